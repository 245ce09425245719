#pragma once

class QEvent;
class QKeyEvent;
class QWidget;

// Enter moves the focus to the next control in tab order and Shift+Enter to the previous
// one, anywhere in the window. The filter sees only the Enter keys that the focused
// control leaves alone, so multi-line edits keep their new lines and open pop-ups (combo
// lists, calendars) keep Enter for picking. A focused push button is pressed, as a click
// would. One-line entry windows, where Enter presses OK, do not install it.
// Enter and Tab walk the controls in reading order, taken from the window's layout at
// every showing (tab_order.h).
// Safe to call more than once; the filter lives as long as the window.
void InstallEnterNavigation(QWidget* window);

// The key event when `event` presses Return or the keypad's Enter, else null.
const QKeyEvent* EnterPress(const QEvent* event);

// Moves the focus within the window as Tab (forward) or Shift+Tab would.
bool MoveFocusInWindow(QWidget* window, bool forward);
