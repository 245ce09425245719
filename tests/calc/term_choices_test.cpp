#include "term_choices.h"

#include <gtest/gtest.h>

namespace {

TEST(TermChoices, DayListIsMonthEndThenTheFirstTo28th) {
  const QStringList days = DayChoices();
  ASSERT_EQ(days.size(), 29);
  EXPECT_EQ(days[0], QStringLiteral("月末"));
  EXPECT_EQ(days[1], QStringLiteral("1日"));
  EXPECT_EQ(days[28], QStringLiteral("28日"));
}

TEST(TermChoices, PayMonthsAndTheRadioItems) {
  EXPECT_EQ(PayMonthChoices(),
            QStringList({"当月", "翌月", "翌々月", "3ヶ月後", "4ヶ月後", "5ヶ月後", "6ヶ月後"}));
  EXPECT_EQ(DecimalsChoices(), QStringList({"使用しない", "小数点第1位まで", "小数点第2位まで"}));
  EXPECT_EQ(RoundingChoices(), QStringList({"切捨て", "切上げ", "四捨五入"}));
}

TEST(TermChoices, ListTextsJoinMonthAndDay) {
  EXPECT_EQ(ClosingDayText(0), QStringLiteral("月末"));
  EXPECT_EQ(ClosingDayText(20), QStringLiteral("20日"));
  EXPECT_EQ(PaymentText(1, 25), QStringLiteral("翌月25日"));
  EXPECT_EQ(PaymentText(0, 0), QStringLiteral("当月月末"));
  EXPECT_EQ(PaymentText(2, 10), QStringLiteral("翌々月10日"));
  EXPECT_EQ(PaymentText(6, 0), QStringLiteral("6ヶ月後月末"));
}

}  // namespace
