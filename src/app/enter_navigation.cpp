#include "enter_navigation.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "tab_order.h"

namespace {

// QWidget::focusNextPrevChild is protected; a derived class may name it for us.
struct FocusChainAccess : QWidget {
  static bool Move(QWidget* window, bool forward) {
    return (window->*&FocusChainAccess::focusNextPrevChild)(forward);
  }
};

bool IsMultiLine(const QWidget* widget) {
  return qobject_cast<const QTextEdit*>(widget) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(widget) != nullptr;
}

bool IsPushButton(const QWidget* widget) {
  return qobject_cast<const QPushButton*>(widget) != nullptr ||
         qobject_cast<const QToolButton*>(widget) != nullptr;
}

constexpr const char* kFilterName = "EnterNavigation";

class EnterNavigation : public QObject {
 public:
  explicit EnterNavigation(QObject* parent) : QObject(parent) { setObjectName(kFilterName); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // At every showing, so that a window laid out after the install is walked right too.
    if (event->type() == QEvent::Show && !event->spontaneous()) {
      SetTabOrderFromLayout(static_cast<QWidget*>(watched));
      return false;
    }
    const QKeyEvent* key = EnterPress(event);
    if (key == nullptr) return false;
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return false;
    auto* window = static_cast<QWidget*>(watched);
    QWidget* focus = window->focusWidget();
    if (IsMultiLine(focus)) return false;
    if (IsPushButton(focus)) {
      static_cast<QAbstractButton*>(focus)->click();
      return true;
    }
    MoveFocusInWindow(window, modifiers == Qt::NoModifier);
    return true;
  }
};

}  // namespace

void InstallEnterNavigation(QWidget* window) {
  // Found by name: findChild cannot tell a class without Q_OBJECT from any QObject.
  if (window->findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly) != nullptr) return;
  window->installEventFilter(new EnterNavigation(window));
}

bool MoveFocusInWindow(QWidget* window, bool forward) {
  return FocusChainAccess::Move(window, forward);
}

const QKeyEvent* EnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return nullptr;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ? key : nullptr;
}
