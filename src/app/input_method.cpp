#include "input_method.h"

#include <QWidget>

void SetImeOff(QWidget* widget) {
  widget->setInputMethodHints(widget->inputMethodHints() | Qt::ImhLatinOnly);
  widget->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void SetImeOn(QWidget* widget) {
  widget->setInputMethodHints(widget->inputMethodHints() & ~Qt::ImhLatinOnly);
  widget->setAttribute(Qt::WA_InputMethodEnabled, true);
}
