#pragma once

#include <QString>

class QDateEdit;
class QTimeEdit;
class QWidget;

// The date and time pickers of every window. A single click on a part (year, month, day,
// hour, minute) selects that part, so the digits typed next replace it; what the picker
// shows when it is left is what it holds.

// yyyy/MM/dd with a drop-down calendar.
QDateEdit* DatePicker(QWidget* parent, const QString& name);
// HH:mm.
QTimeEdit* TimePicker(QWidget* parent, const QString& name);
// yyyy年MM月 with a drop-down calendar.
QDateEdit* MonthPicker(QWidget* parent, const QString& name);

// A year typed with one or two digits (`digits`) into a date or month picker stands for
// the year ending in them that lies nearest to `thisYear`, the earlier one on a tie: in
// 2026, 25 is 2025, 98 is 1998 and 60 is 2060.
int ExpandShortYear(int typed, int digits, int thisYear);
