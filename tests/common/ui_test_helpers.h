#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

// Deterministic stand-ins for a person at the keyboard in headless widget tests.

// Shows the window and makes it the active one, so that focus changes deliver focus events.
void ShowActive(QWidget* window);

// Moves the focus as the user would, with focus-out and focus-in events delivered now.
void FocusOn(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason);

// Presses and releases a key on the widget; unhandled keys travel to its parents, as typed
// keys do.
void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
              const QString& text = QString());

// Types the characters one key at a time.
void TypeText(QWidget* widget, const QString& text);

// Presses Enter in the focused control the given number of times and names each control
// the focus lands on: the nearest named widget, so a radio button answers with its group
// and the inner edit of a picker with the picker.
QStringList WalkWithEnter(int steps);
