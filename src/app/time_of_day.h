#pragma once

#include <QTime>

// Between the store's times of day (fractions of a day) and the time pickers.
QTime TimeOfDay(double dayFraction);
double DayFraction(const QTime& time);
