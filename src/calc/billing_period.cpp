#include "billing_period.h"

#include <array>
#include <cmath>

#include "dates.h"

namespace {

// The day of a month, or its last day for 0 and for days the month does not have
// (a damaged file may hold them).
double DayOfMonth(int year, int month, int day) {
  const int last = DaysInMonth(year, month);
  return EncodeDate(year, month, day <= 0 || day > last ? last : day);
}

double DayOfMonth(double date, int day) {
  const Ymd ymd = DecodeDate(date);
  return DayOfMonth(ymd.year, ymd.month, day);
}

}  // namespace

double ClosingDate(int closingDay, double month) {
  return DayOfMonth(DatePart(month), closingDay);
}

double PreviousClosingDate(int closingDay, double month) {
  return DayOfMonth(IncMonth(DatePart(month), -1), closingDay);
}

BillingPeriod BillingPeriodOf(int closingDay, double month) {
  return {PreviousClosingDate(closingDay, month), ClosingDate(closingDay, month)};
}

double PaymentDueDate(const PartnerTerms& terms, double month) {
  return DayOfMonth(IncMonth(DatePart(month), terms.payMonth), terms.payDay);
}

bool UpTo(double date, double closing) {
  return std::floor(date) <= std::floor(closing);
}

QString ClosingDayCaption(int closingDay) {
  return closingDay == 0 ? QStringLiteral("月末") : QStringLiteral("%1日").arg(closingDay);
}

QString DueDateCaption(double due) {
  const Ymd ymd = DecodeDate(due);
  return QStringLiteral("%1月%2日")
      .arg(ymd.month, 2, 10, QLatin1Char('0'))
      .arg(ymd.day, 2, 10, QLatin1Char('0'));
}

QString PaymentTermsLabel(const PartnerTerms& terms) {
  static const std::array<const char*, 7> kMonths = {"当月",    "翌月",    "翌々月", "3ヵ月後",
                                                     "4ヵ月後", "5ヵ月後", "6ヵ月後"};
  const QString closing = terms.closingDay == 0 ? QStringLiteral("月末締")
                                                : QStringLiteral("%1日締").arg(terms.closingDay);
  // A payment month outside the choices (damaged file) shows as blank, never out of range.
  const QString months = terms.payMonth >= 0 && terms.payMonth < static_cast<int>(kMonths.size())
                             ? QString::fromUtf8(kMonths[static_cast<size_t>(terms.payMonth)])
                             : QString();
  const QString payDay =
      terms.payDay == 0 ? QStringLiteral("月末払い") : QStringLiteral("%1日払い").arg(terms.payDay);
  return closing + QLatin1Char(' ') + months + QLatin1Char(' ') + payDay + QLatin1Char(' ');
}
