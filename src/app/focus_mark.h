#pragma once

class QWidget;

// Every control that has the keyboard focus (edits, buttons, pick lists, radio buttons,
// check boxes, lists) gets one clear frame around it, whatever the style draws itself, so
// that a user walking a window with Enter or Tab always sees where the next key goes.
// Call once after the QApplication exists; every window, present and future, has it.
void InstallFocusMark();

// The frame's widget, or nullptr when no control has the focus; for tests.
QWidget* FocusMarkFrame();
