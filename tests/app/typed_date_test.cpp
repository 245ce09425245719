#include "typed_date.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 9);
const QDate kHeld(2026, 3, 31);

std::string Shown(std::optional<QDate> date) {
  return date ? date->toString(Qt::ISODate).toStdString() : "refused";
}

// Every form a clerk types, read with the caret in the day part unless the row says
// otherwise; "refused" means the old value stays.
TEST(TypedDate, WholeDatesInEveryFormAndNothingThatIsNoDay) {
  const struct {
    const char16_t* typed;
    TypedPart part;
    const char* date;
  } cases[] = {
      {u"2026/11/05", TypedPart::Day, "2026-11-05"},
      {u"2026-11-05", TypedPart::Year, "2026-11-05"},
      {u"2026.11.05", TypedPart::Month, "2026-11-05"},
      {u"20261105", TypedPart::Day, "2026-11-05"},
      {u"261105", TypedPart::Day, "2026-11-05"},
      {u"11/5", TypedPart::Year, "2026-11-05"},  // this year, not the held one's
      {u"２０２６／１１／０５", TypedPart::Day, "2026-11-05"},
      {u" 2026年11月5日 ", TypedPart::Day, "2026-11-05"},
      {u"R8/11/5", TypedPart::Day, "2026-11-05"},
      {u"r8.11.5", TypedPart::Day, "2026-11-05"},
      {u"令和8年11月5日", TypedPart::Day, "2026-11-05"},
      {u"令和元年5月1日", TypedPart::Day, "2019-05-01"},
      {u"R1/4/30", TypedPart::Day, "refused"},  // still 平成 that day
      {u"H31/4/30", TypedPart::Day, "2019-04-30"},
      {u"H31/5/1", TypedPart::Day, "refused"},
      {u"平成元年1月8日", TypedPart::Day, "1989-01-08"},
      {u"H1/1/7", TypedPart::Day, "refused"},
      {u"S64/1/7", TypedPart::Day, "1989-01-07"},
      {u"昭和64年1月8日", TypedPart::Day, "refused"},
      {u"24/4/1", TypedPart::Day, "2024-04-01"},
      {u"99/1/2", TypedPart::Day, "1999-01-02"},
      // A lone short number fills the part the caret is in.
      {u"5", TypedPart::Day, "2026-03-05"},
      {u"2", TypedPart::Month, "2026-02-28"},
      {u"24", TypedPart::Year, "2024-03-31"},
      {u"2023", TypedPart::Year, "2023-03-31"},
      {u"R7", TypedPart::Day, "2025-03-31"},
      // Days that do not exist never land as other days.
      {u"2026/02/30", TypedPart::Day, "refused"},
      {u"20260230", TypedPart::Day, "refused"},
      {u"2/29", TypedPart::Day, "refused"},
      {u"31", TypedPart::Day, "2026-03-31"},
      {u"32", TypedPart::Day, "refused"},
      {u"13", TypedPart::Month, "refused"},
      {u"2026/13/01", TypedPart::Day, "refused"},
      {u"2026//5", TypedPart::Day, "refused"},
      {u"2026/11/5x", TypedPart::Day, "refused"},
      {u"12345", TypedPart::Day, "refused"},
      {u"", TypedPart::Day, "refused"},
  };
  for (const auto& c : cases) {
    const QString typed = QString::fromUtf16(c.typed);
    EXPECT_EQ(Shown(ReadTypedDate(typed, {kHeld, kToday, c.part})), c.date) << typed.toStdString();
  }
}

TEST(TypedDate, MonthsAndTimes) {
  const struct {
    const char16_t* typed;
    TypedPart part;
    const char* date;
  } months[] = {
      {u"2026/11", TypedPart::Month, "2026-11-30"}, {u"2026年2月", TypedPart::Year, "2026-02-28"},
      {u"202611", TypedPart::Month, "2026-11-30"},  {u"R8/11", TypedPart::Month, "2026-11-30"},
      {u"H31/5", TypedPart::Month, "refused"},      {u"11", TypedPart::Month, "2026-11-30"},
      {u"24", TypedPart::Year, "2024-03-31"},       {u"2026/13", TypedPart::Month, "refused"},
  };
  for (const auto& c : months) {
    const QString typed = QString::fromUtf16(c.typed);
    EXPECT_EQ(Shown(ReadTypedMonth(typed, {kHeld, kToday, c.part})), c.date) << typed.toStdString();
  }
  const struct {
    const char* typed;
    TypedPart part;
    const char* time;
  } times[] = {
      {"9:30", TypedPart::Hour, "09:30"},   {"0930", TypedPart::Minute, "09:30"},
      {"930", TypedPart::Hour, "09:30"},    {"17", TypedPart::Hour, "17:15"},
      {"5", TypedPart::Minute, "10:05"},    {"24:00", TypedPart::Hour, "refused"},
      {"9:60", TypedPart::Hour, "refused"},
  };
  for (const auto& c : times) {
    const std::optional<QTime> time =
        ReadTypedTime(QString::fromLatin1(c.typed), QTime(10, 15), c.part);
    EXPECT_EQ(time ? time->toString(QStringLiteral("HH:mm")).toStdString() : "refused", c.time)
        << c.typed;
  }
}

}  // namespace
