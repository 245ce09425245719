#include "ss_edit.h"

#include <QDateTime>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>

#include "input_method.h"
#include "input_refusal.h"
#include "sjis_guard.h"
#include "ss_edit_format.h"

namespace {

constexpr int kDefaultWidth = 121;
constexpr int kDefaultHeight = 20;

// Window activation and pop-up menus move the focus away and back without the user
// leaving the control.
bool StaysInControl(Qt::FocusReason reason) {
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool IsEnter(const QKeyEvent& event) {
  return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool InsertsText(const QKeyEvent& event) {
  if (event.matches(QKeySequence::Paste)) return true;
  return !event.text().isEmpty() && event.text().front().isPrint();
}

Qt::Alignment ToQt(TSsAlignment alignment) {
  switch (alignment) {
    case TSsAlignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case TSsAlignment::Center:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case TSsAlignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace

TSsEdit::TSsEdit(QWidget* parent) : QLineEdit(parent) {
  resize(kDefaultWidth, kDefaultHeight);
  SetAlignment(TSsAlignment::Left);
  GuardSjis(this, SjisField::Number);
}

TSsEdit* TSsEdit::Plain(QWidget* parent) {
  auto* edit = new TSsEdit(parent);
  edit->SetAlignment(TSsAlignment::Right);
  SetImeOff(edit);
  return edit;
}

void TSsEdit::SetAlignment(TSsAlignment alignment) {
  alignment_ = alignment;
  setAlignment(ToQt(alignment));
}

void TSsEdit::SetText(const QString& value) {
  if (initialised_ || value.isEmpty()) {
    initialised_ = true;
    setText(value);
    return;
  }
  initialised_ = true;
  const SsExitResult formatted = FormatSsText(value, option_, QDateTime::currentDateTime());
  setText(formatted.Accepted() ? formatted.text : value);
}

QSize TSsEdit::sizeHint() const {
  return {kDefaultWidth, QLineEdit::sizeHint().height()};
}

void TSsEdit::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (refocusing_) {
    refocusing_ = false;
    entered_ = true;
    selectAll();
  } else if (!(entered_ && StaysInControl(event->reason()))) {
    entered_ = true;
    Enter();
  }
}

void TSsEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (!entered_ || StaysInControl(event->reason())) return;
  entered_ = false;
  Exit();
}

void TSsEdit::hideEvent(QHideEvent* event) {
  // A closed window is entered afresh when it is shown again.
  entered_ = false;
  QLineEdit::hideEvent(event);
}

void TSsEdit::Enter() {
  if (OnEnter) OnEnter();
  if (!text().isEmpty()) {
    const QString clean = CleanSsText(text(), option_.EditStyle);
    if (clean != text()) setText(clean);
  }
  selectAll();
}

void TSsEdit::Exit() {
  if (OnExit) OnExit();
  const SsExitResult result = CheckSsTextOnExit(text(), option_, QDateTime::currentDateTime());
  if (!result.Accepted()) {
    Refuse(result.refusal);
  } else if (result.text != text()) {
    setText(result.text);
  }
}

void TSsEdit::Refuse(const QString& message) {
  selectAll();
  // The focus comes back before the window hears of it, so that a message box shown by
  // the handler returns to this control and not to the one the user was going to.
  if (isVisible()) {
    refocusing_ = true;
    setFocus(Qt::OtherFocusReason);
    refocusing_ = false;
  }
  if (OnInvalid) OnInvalid(this, message);
}

void TSsEdit::keyPressEvent(QKeyEvent* event) {
  if (OnKeyPress && OnKeyPress(event)) {
    event->accept();
    return;
  }
  if (DiscardsForLength(*event)) {
    RefuseInput(this);
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
  // Taken, so that the window does not act on the same Enter as well.
  if (MoveByEnter(*event)) event->accept();
}

bool TSsEdit::DiscardsForLength(const QKeyEvent& event) const {
  const int max = option_.Length.MaxLength;
  return max > 0 && text().size() >= max && selectedText().size() < max && InsertsText(event);
}

bool TSsEdit::MoveByEnter(const QKeyEvent& event) {
  if (!option_.MoveByEnter || !IsEnter(event)) return false;
  const bool shift_alone = (event.modifiers() & ~Qt::KeypadModifier) == Qt::ShiftModifier;
  focusNextPrevChild(!shift_alone);
  return true;
}
