#pragma once

#include <QDate>
#include <QString>

// Between the store's day counts and the date pickers.
QDate ToQDate(double date);
double FromQDate(const QDate& date);
// The short date form of the windows and the printed pages: yyyy/MM/dd.
QString ShortDateText(double date);
