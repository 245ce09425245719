#include "term_choices.h"

namespace {

constexpr int kLastDay = 28;
constexpr int kLastPayMonth = 6;

QString PayMonthText(int month) {
  switch (month) {
    case 0:
      return QStringLiteral("当月");
    case 1:
      return QStringLiteral("翌月");
    case 2:
      return QStringLiteral("翌々月");
    default:
      return QString::number(month) + QStringLiteral("ヶ月後");
  }
}

}  // namespace

QStringList DayChoices() {
  QStringList days;
  for (int day = 0; day <= kLastDay; ++day) days << ClosingDayText(day);
  return days;
}

QStringList PayMonthChoices() {
  QStringList months;
  for (int month = 0; month <= kLastPayMonth; ++month) months << PayMonthText(month);
  return months;
}

QStringList DecimalsChoices() {
  return {QStringLiteral("使用しない"), QStringLiteral("小数点第1位まで"),
          QStringLiteral("小数点第2位まで")};
}

QStringList RoundingChoices() {
  return {QStringLiteral("切捨て"), QStringLiteral("切上げ"), QStringLiteral("四捨五入")};
}

QString ClosingDayText(int day) {
  return day == 0 ? QStringLiteral("月末") : QString::number(day) + QStringLiteral("日");
}

QString PaymentText(int month, int day) {
  return PayMonthText(month) + ClosingDayText(day);
}

bool BreaksSameMonthRule(int closingDay, int payMonth, int payDay) {
  return payMonth == 0 && payDay != 0 && payDay < closingDay;
}
