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
  for (QChar c : text) {
    const int key = c.isLetter() && c.unicode() < 0x80 ? c.toUpper().unicode() : c.unicode();
    PressKey(widget, key, Qt::NoModifier, QString(c));
  }
}
