#include "dates.h"

#include <gtest/gtest.h>

namespace {

TEST(Dates, DayCountsFromTheEpoch) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(1989, 4, 1), 32599);
  EXPECT_EQ(EncodeDate(1997, 3, 31), 35520);
  EXPECT_EQ(EncodeDate(1997, 4, 1), 35521);
  EXPECT_EQ(EncodeDate(1899, 12, 29), -1);
  EXPECT_EQ(DecodeDate(35521.75), (Ymd{1997, 4, 1}));
  EXPECT_EQ(DecodeDate(-1), (Ymd{1899, 12, 29}));
}

TEST(Dates, EncodeDecodeAgreeOverCenturies) {
  for (double d = EncodeDate(1800, 1, 1); d <= EncodeDate(2200, 12, 31); d += 1) {
    const Ymd ymd = DecodeDate(d);
    ASSERT_TRUE(IsValidYmd(ymd.year, ymd.month, ymd.day)) << d;
    ASSERT_EQ(EncodeDate(ymd), d);
  }
}

TEST(Dates, EndOfMonthKnowsLeapYears) {
  EXPECT_EQ(DecodeDate(EndOfMonth(EncodeDate(2024, 2, 10))), (Ymd{2024, 2, 29}));
  EXPECT_EQ(DecodeDate(EndOfMonth(EncodeDate(2023, 2, 1))), (Ymd{2023, 2, 28}));
  EXPECT_EQ(DecodeDate(EndOfMonth(EncodeDate(1900, 2, 1))), (Ymd{1900, 2, 28}));
  EXPECT_EQ(DecodeDate(EndOfMonth(EncodeDate(2000, 2, 1))), (Ymd{2000, 2, 29}));
  EXPECT_EQ(DecodeDate(EndOfMonth(EncodeDate(2026, 12, 8))), (Ymd{2026, 12, 31}));
}

TEST(Dates, IncMonthClampsTheDay) {
  EXPECT_EQ(DecodeDate(IncMonth(EncodeDate(2026, 1, 31), 1)), (Ymd{2026, 2, 28}));
  EXPECT_EQ(DecodeDate(IncMonth(EncodeDate(2024, 1, 31), 1)), (Ymd{2024, 2, 29}));
  EXPECT_EQ(DecodeDate(IncMonth(EncodeDate(2026, 3, 31), -1)), (Ymd{2026, 2, 28}));
  EXPECT_EQ(DecodeDate(IncMonth(EncodeDate(2026, 11, 15), 3)), (Ymd{2027, 2, 15}));
  EXPECT_EQ(DecodeDate(IncMonth(EncodeDate(2026, 1, 15), -13)), (Ymd{2024, 12, 15}));
  EXPECT_EQ(IncMonth(EncodeDate(2026, 1, 15) + 0.5, 1), EncodeDate(2026, 2, 15) + 0.5);
}

TEST(Dates, TodayIsAWholeDayNearNow) {
  const double today = Today();
  EXPECT_EQ(today, DatePart(today));
  EXPECT_GT(today, EncodeDate(2020, 1, 1));
}

}  // namespace
