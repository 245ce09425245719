#include "ui_test_helpers.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

void ShowActive(QWidget* window) {
  window->show();
  window->activateWindow();
  QApplication::setActiveWindow(window);
  QApplication::processEvents();
}

void FocusOn(QWidget* widget, Qt::FocusReason reason) {
  widget->setFocus(reason);
  QApplication::processEvents();
}

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}

void TypeText(QWidget* widget, const QString& text) {
  // One key per character; a character beyond 16 bits (an emoji) comes as one key too.
  for (const char32_t c : text.toUcs4()) {
    const int key =
        c < 0x80 && QChar(c).isLetter() ? QChar(c).toUpper().unicode() : static_cast<int>(c);
    PressKey(widget, key, Qt::NoModifier, QString::fromUcs4(&c, 1));
  }
}

namespace {

QString ControlName(QWidget* widget) {
  for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_"))) {
      return w->objectName();
    }
  }
  return QStringLiteral("(unnamed)");
}

}  // namespace

QStringList WalkWithEnter(int steps) {
  QStringList names;
  for (int i = 0; i < steps; ++i) {
    PressKey(QApplication::focusWidget(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::processEvents();
    names << ControlName(QApplication::focusWidget());
  }
  return names;
}
