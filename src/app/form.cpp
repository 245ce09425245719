#include "form.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>

#include <utility>
#include <vector>

#include "enter_navigation.h"
#include "tab_order.h"

namespace {

// A field Tab and Enter stop at: a read-only line shows a figure and takes no typing.
bool ReadOnlyLine(const QWidget* widget) {
  const auto* edit = qobject_cast<const QLineEdit*>(widget);
  return edit != nullptr && edit->isReadOnly() && edit->focusProxy() == nullptr;
}

bool Walkable(const QWidget* window, const QWidget* widget) {
  return widget != window && (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
         widget->focusProxy() == nullptr && widget->isEnabled() && widget->isVisibleTo(window) &&
         !ReadOnlyLine(widget);
}

bool IsField(const QWidget* widget) {
  return qobject_cast<const QAbstractButton*>(widget) == nullptr &&
         qobject_cast<const QTabBar*>(widget) == nullptr;
}

}  // namespace

TForm::TForm(Document& doc, QWidget* parent) : QDialog(parent), doc_(doc) {
  InstallEnterNavigation(this);
}

bool TForm::event(QEvent* event) {
  const bool showing = event->type() == QEvent::Show && !event->spontaneous();
  if (showing) PrepareWalk();
  const bool result = QDialog::event(event);
  if (showing && focusWidget() == nullptr) FocusFirstField();
  return result;
}

// The focus of the last showing is forgotten, so that a window the showing does not
// focus itself starts on its first field.
void TForm::PrepareWalk() {
  SetTabOrderFromLayout(this);
  for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
    view->setTabKeyNavigation(false);
  }
  if (QWidget* focus = focusWidget()) focus->clearFocus();
}

void TForm::FocusFirstField() {
  QWidget* first = nullptr;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if (!Walkable(this, w)) continue;
    if (IsField(w)) {
      first = w;
      break;
    }
    if (first == nullptr) first = w;
  }
  if (first != nullptr) first->setFocus(Qt::TabFocusReason);
}

// Read-only lines keep their click focus, so their figures can be selected and copied,
// but the walk passes them over for this one move.
bool TForm::focusNextPrevChild(bool next) {
  std::vector<std::pair<QWidget*, Qt::FocusPolicy>> passed;
  for (QLineEdit* edit : findChildren<QLineEdit*>()) {
    if (ReadOnlyLine(edit) && (edit->focusPolicy() & Qt::TabFocus) == Qt::TabFocus) {
      passed.emplace_back(edit, edit->focusPolicy());
      edit->setFocusPolicy(Qt::ClickFocus);
    }
  }
  const bool moved = QDialog::focusNextPrevChild(next);
  for (const auto& [widget, policy] : passed) widget->setFocusPolicy(policy);
  return moved;
}

void TForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    if (escButton_ != nullptr) {
      if (escButton_->isEnabled()) escButton_->click();
      event->accept();
      return;
    }
    if (!escCancels_) {
      event->accept();
      return;
    }
  }
  QDialog::keyPressEvent(event);
}
