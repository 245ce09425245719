#include "pickers.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <QToolTip>

#include <functional>
#include <optional>

#include "enter_navigation.h"
#include "typed_date.h"

namespace {

// A click only places the cursor inside a part, where typed digits would make the text
// unreadable and be refused; selecting the part lets them replace it.
class SelectPartOnClick : public QObject {
 public:
  explicit SelectPartOnClick(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      const auto* edit = static_cast<QLineEdit*>(watched);
      if (!edit->hasSelectedText()) picker_->setSelectedSection(picker_->currentSection());
    }
    return false;
  }

 private:
  QDateTimeEdit* picker_;
};

// Tab leaves the picker, as in every other field; the picker's own Tab would walk its parts
// first, so leaving a date took three presses. The arrow keys still move between parts.
class TabLeavesPicker : public QObject {
 public:
  explicit TabLeavesPicker(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    if ((key->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) return false;
    const bool forward = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
    MoveFocusInWindow(picker_->window(), forward);
    return true;
  }

 private:
  QDateTimeEdit* picker_;
};

TypedPart PartOf(QDateTimeEdit::Section section) {
  switch (section) {
    case QDateTimeEdit::YearSection:
      return TypedPart::Year;
    case QDateTimeEdit::MonthSection:
      return TypedPart::Month;
    case QDateTimeEdit::HourSection:
      return TypedPart::Hour;
    case QDateTimeEdit::MinuteSection:
      return TypedPart::Minute;
    default:
      return TypedPart::Day;
  }
}

// What is typed into a picker is read as a whole when the picker is left or Enter is
// pressed, wherever the caret stood: a whole date (2026/11/05, R8/11/5, 20261105) replaces
// the value, a lone number fills the part the caret is in. Until then the typed text is
// shown as it stands. Text that is no real day beeps, shows a tip and keeps the old value.
class WholeTyping : public QObject {
 public:
  using Reader = std::function<bool(QDateTimeEdit*, const QString&, TypedPart)>;
  WholeTyping(QDateTimeEdit* picker, Reader read, QString tip)
      : QObject(picker), picker_(picker), read_(std::move(read)), tip_(std::move(tip)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::FocusOut:
        if (typing_) Finish();
        return false;
      case QEvent::MouseButtonPress:
        if (typing_) Finish();
        return false;
      case QEvent::KeyPress:
        // The key reaches the line edit and then, if left alone, the picker: read it once.
        if (watched != QApplication::focusWidget()) return false;
        return Key(*static_cast<QKeyEvent*>(event));
      default:
        return false;
    }
  }

 private:
  static bool Printable(const QKeyEvent& key) {
    const QString text = key.text();
    const Qt::KeyboardModifiers modifiers =
        key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    return modifiers == Qt::NoModifier && text.size() == 1 && text[0].isPrint() &&
           !text[0].isSpace();
  }

  bool Key(const QKeyEvent& key) {
    if (Printable(key)) {
      if (!typing_) part_ = picker_->currentSection();
      typing_ = true;
      typed_ += key.text();
      Show(typed_);
      return true;
    }
    if (!typing_) return false;
    if (key.key() == Qt::Key_Backspace) {
      typed_.chop(1);
      if (typed_.isEmpty())
        Stop();
      else
        Show(typed_);
      return true;
    }
    if (key.key() == Qt::Key_Escape) {
      Stop();
      return true;
    }
    // Enter, Tab, the arrows: what was typed is taken first; text that is no day keeps
    // the focus here, so the clerk can type it again.
    return !Finish();
  }

  bool Finish() {
    const QString typed = typed_;
    const bool taken = read_(picker_, typed, PartOf(part_));
    Stop();
    if (!taken) {
      QApplication::beep();
      QToolTip::showText(picker_->mapToGlobal(QPoint(0, picker_->height())), tip_.arg(typed),
                         picker_);
    }
    return taken;
  }

  // Back to showing the value, whatever was typed.
  void Stop() {
    typing_ = false;
    typed_.clear();
    Show(picker_->dateTime().toString(picker_->displayFormat()));
    if (part_ != QDateTimeEdit::NoSection) picker_->setSelectedSection(part_);
  }

  // The picker would read every half-typed text as it comes and refuse most of it, so it
  // is kept out of the way until the typing is done.
  void Show(const QString& text) {
    auto* edit = picker_->findChild<QLineEdit*>();
    if (!edit) return;
    const QSignalBlocker quiet(edit);
    edit->setText(text);
  }

  QDateTimeEdit* picker_;
  Reader read_;
  QString tip_;
  bool typing_ = false;
  QString typed_;
  QDateTimeEdit::Section part_ = QDateTimeEdit::NoSection;
};

TypedDateContext ContextOf(const QDateTimeEdit* picker, TypedPart part) {
  return {picker->date(), QDate::currentDate(), part};
}

bool TakeDate(QDateTimeEdit* picker, std::optional<QDate> date) {
  if (!date || *date < picker->minimumDate() || *date > picker->maximumDate()) return false;
  picker->setDate(*date);
  return true;
}

bool ReadDate(QDateTimeEdit* picker, const QString& typed, TypedPart part) {
  return TakeDate(picker, ReadTypedDate(typed, ContextOf(picker, part)));
}

bool ReadMonth(QDateTimeEdit* picker, const QString& typed, TypedPart part) {
  return TakeDate(picker, ReadTypedMonth(typed, ContextOf(picker, part)));
}

bool ReadTime(QDateTimeEdit* picker, const QString& typed, TypedPart part) {
  const std::optional<QTime> time = ReadTypedTime(typed, picker->time(), part);
  if (time) picker->setTime(*time);
  return time.has_value();
}

template <class Picker>
Picker* MakePicker(QWidget* parent, const QString& name, const QString& format, bool calendar,
                   WholeTyping::Reader read, const QString& tip) {
  auto* picker = new Picker(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat(format);
  picker->setCalendarPopup(calendar);
  picker->installEventFilter(new TabLeavesPicker(picker));
  auto* typed = new WholeTyping(picker, std::move(read), tip);
  picker->installEventFilter(typed);
  if (auto* edit = picker->template findChild<QLineEdit*>()) {
    edit->installEventFilter(new SelectPartOnClick(picker));
    edit->installEventFilter(typed);
  }
  return picker;
}

}  // namespace

QDateEdit* DatePicker(QWidget* parent, const QString& name) {
  return MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy/MM/dd"), true, ReadDate,
                               QStringLiteral("「%1」は日付として正しくありません。"));
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name) {
  return MakePicker<QTimeEdit>(parent, name, QStringLiteral("HH:mm"), false, ReadTime,
                               QStringLiteral("「%1」は時刻として正しくありません。"));
}

QDateEdit* MonthPicker(QWidget* parent, const QString& name) {
  return MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy年MM月"), true, ReadMonth,
                               QStringLiteral("「%1」は年月として正しくありません。"));
}
