#include "dates.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 0001-01-01 (proleptic Gregorian) to the given day, 0-based.
constexpr long long DaysFromCivil(int y, int m, int d) {
  // Howard Hinnant's algorithm, shifted to a March-based year.
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const long long yoe = y - era * 400;
  const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

Ymd CivilFromDays(long long z) {
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const long long doe = z - era * 146097;
  const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const long long mp = (5 * doy + 2) / 153;
  const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  const int y = static_cast<int>(yoe + era * 400) + (m <= 2);
  return {y, m, d};
}

// Constant, so dates encoded during static initialisation elsewhere are right too.
constexpr long long kEpoch = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kDays[month - 1];
}

bool IsValidYmd(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
         day <= DaysInMonth(year, month);
}

double EncodeDate(int year, int month, int day) {
  return static_cast<double>(DaysFromCivil(year, month, day) - kEpoch);
}

double EncodeDate(const Ymd& ymd) {
  return EncodeDate(ymd.year, ymd.month, ymd.day);
}

Ymd DecodeDate(double date) {
  return CivilFromDays(static_cast<long long>(std::trunc(date)) + kEpoch);
}

double DatePart(double date) {
  return std::trunc(date);
}

double EncodeTime(int hour, int minute) {
  return (hour * 60 + minute) / 1440.0;
}

void DecodeTime(double time, int& hour, int& minute) {
  const double frac = std::fabs(time - std::trunc(time));
  const long minutes = std::lround(frac * 1440.0) % 1440;
  hour = static_cast<int>(minutes / 60);
  minute = static_cast<int>(minutes % 60);
}

double EndOfMonth(double date) {
  const Ymd ymd = DecodeDate(date);
  return EncodeDate(ymd.year, ymd.month, DaysInMonth(ymd.year, ymd.month));
}

double IncMonth(double date, int months) {
  const Ymd ymd = DecodeDate(date);
  const int index = ymd.year * 12 + (ymd.month - 1) + months;
  const int year = index / 12;
  const int month = index % 12 + 1;
  const int day = ymd.day < DaysInMonth(year, month) ? ymd.day : DaysInMonth(year, month);
  return EncodeDate(year, month, day) + (date - std::trunc(date));
}

double Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}
