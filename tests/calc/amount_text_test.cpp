#include "amount_text.h"

#include <gtest/gtest.h>

namespace {

TEST(AmountText, ReadsWhatParseAmountReads) {
  EXPECT_EQ(AmountOf(QStringLiteral("(1,234.5)")), Money::FromRaw(12345000));
  EXPECT_TRUE(IsAmountText(QStringLiteral(" -12 ")));
  for (const QString& text : {QString(), QStringLiteral("-"), QStringLiteral("1e5"),
                              QStringLiteral("１２"), QStringLiteral("12円")}) {
    EXPECT_FALSE(IsAmountText(text)) << text.toStdString();
  }
}

TEST(AmountText, CleanedOnEntryReformattedOnExit) {
  EXPECT_EQ(CleanedAmountText(QStringLiteral("(1,234.56)")), QStringLiteral("1234.56"));
  EXPECT_EQ(ReformattedAmountText(QStringLiteral("1234.567"), 2), QStringLiteral("1,234.56"));
  EXPECT_EQ(ReformattedAmountText(QStringLiteral("1234.56"), 0), QStringLiteral("1,234"));
  EXPECT_EQ(ReformattedAmountText(QStringLiteral("-0.999"), 0), QStringLiteral("0"));
  for (const char* unreadable : {"abc", "-", "-.", ""}) {
    EXPECT_EQ(ReformattedAmountText(QString::fromLatin1(unreadable), 2), QStringLiteral("0"));
  }
}

}  // namespace
