#include "time_of_day.h"

#include <cmath>

namespace {

constexpr qint64 kMsecsPerDay = 24LL * 60 * 60 * 1000;

}  // namespace

QTime TimeOfDay(double dayFraction) {
  if (!std::isfinite(dayFraction)) return QTime(0, 0);
  // Only the fraction counts, as for a time stored beside a date.
  const double fraction = dayFraction - std::floor(dayFraction);
  const qint64 msecs = std::llround(fraction * static_cast<double>(kMsecsPerDay));
  return QTime::fromMSecsSinceStartOfDay(static_cast<int>(msecs % kMsecsPerDay));
}

double DayFraction(const QTime& time) {
  return static_cast<double>(time.msecsSinceStartOfDay()) / static_cast<double>(kMsecsPerDay);
}
