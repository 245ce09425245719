#pragma once

#include <QString>

class QDateEdit;
class QTimeEdit;
class QWidget;

// The date and time pickers of every window. What is typed is read as a whole when the
// picker is left (typed_date.h), wherever the caret stood. A single click on a part (year, month,
// day, hour, minute) selects that part, so the digits typed next replace it; what the picker shows
// when it is left is what it holds.

// yyyy/MM/dd with a drop-down calendar.
QDateEdit* DatePicker(QWidget* parent, const QString& name);
// HH:mm.
QTimeEdit* TimePicker(QWidget* parent, const QString& name);
// yyyy年MM月 with a drop-down calendar.
QDateEdit* MonthPicker(QWidget* parent, const QString& name);
