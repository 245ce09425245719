#pragma once

#include <QString>

class QDateEdit;
class QWidget;

// A date picker as the windows show it: short date yyyy/MM/dd with a drop-down calendar.
QDateEdit* DatePicker(QWidget* parent, const QString& name);
