#include "time_of_day.h"

#include <gtest/gtest.h>

namespace {

TEST(TimeOfDay, MatchesTheStoredFractionsBothWays) {
  EXPECT_EQ(TimeOfDay(10.0 / 24), QTime(10, 0));
  EXPECT_EQ(DayFraction(QTime(17, 0)), 17.0 / 24);  // exactly what a new partner holds
  EXPECT_EQ(TimeOfDay(DayFraction(QTime(8, 45))), QTime(8, 45));
}

TEST(TimeOfDay, TakesOnlyTheFractionOfADateAndTime) {
  EXPECT_EQ(TimeOfDay(45000.75), QTime(18, 0));
  EXPECT_EQ(TimeOfDay(0.9999999999), QTime(0, 0));  // rounds to midnight, not 24:00
}

}  // namespace
