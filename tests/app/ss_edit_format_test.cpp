#include "ss_edit_format.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

const QDateTime kNow(QDate(2024, 3, 20), QTime(13, 45, 30));

TSsEditOption Style(TSsEditStyle style, int dec_length = 0) {
  TSsEditOption option;
  option.EditStyle = style;
  option.Length.DecLength = dec_length;
  return option;
}

TSsEditOption Easy(TSsEditStyle style) {
  TSsEditOption option = Style(style);
  option.InputMethod = TInputMethod::imEasy;
  return option;
}

QString Formatted(const QString& text, const TSsEditOption& option) {
  const SsExitResult result = CheckSsTextOnExit(text, option, kNow);
  EXPECT_TRUE(result.Accepted()) << text.toStdString() << ": " << result.refusal.toStdString();
  return result.text;
}

QString Refusal(const QString& text, const TSsEditOption& option) {
  return CheckSsTextOnExit(text, option, kNow).refusal;
}

TEST(SsEditFormat, CleaningRemovesTheSeparatorsOfTheStyleOnly) {
  const QString text = QStringLiteral("\\1,234/5:6");
  EXPECT_EQ(CleanSsText(text, TSsEditStyle::esNone), text);
  EXPECT_EQ(CleanSsText(text, TSsEditStyle::esComma), QStringLiteral("\\1234/5:6"));
  EXPECT_EQ(CleanSsText(text, TSsEditStyle::esMoney), QStringLiteral("1234/5:6"));
  EXPECT_EQ(CleanSsText(text, TSsEditStyle::esDate), QStringLiteral("\\1,2345:6"));
  EXPECT_EQ(CleanSsText(text, TSsEditStyle::esTime), QStringLiteral("\\1,234/56"));
}

TEST(SsEditFormat, PlainStyleKeepsEveryTextAsTyped) {
  for (const QString& text : {QString(), QStringLiteral(" 12,3 "), QStringLiteral("abc")}) {
    EXPECT_EQ(Formatted(text, TSsEditOption()), text);
  }
}

TEST(SsEditFormat, CommaStyleGroupsTheIntegerPartAndKeepsTheFraction) {
  const TSsEditOption comma = Style(TSsEditStyle::esComma, 2);
  EXPECT_EQ(Formatted("1234.50", comma), QStringLiteral("1,234.50"));
  EXPECT_EQ(Formatted("-9876", comma), QStringLiteral("-9,876"));
  EXPECT_EQ(Formatted("+5", comma), QStringLiteral("5"));
  EXPECT_EQ(Formatted("000123", comma), QStringLiteral("123"));
  EXPECT_EQ(Formatted("100", comma), QStringLiteral("100"));
  EXPECT_EQ(Formatted("1000", comma), QStringLiteral("1,000"));
  EXPECT_EQ(Formatted(".5", comma), QStringLiteral("0.5"));
  EXPECT_EQ(Formatted("-0.5", comma), QStringLiteral("-0.5"));
  EXPECT_EQ(Formatted("-0", comma), QStringLiteral("0"));
  EXPECT_EQ(Formatted("7.", comma), QStringLiteral("7."));
  // Beyond any integer type: grouped digit by digit.
  EXPECT_EQ(Formatted("123456789012345678901234", comma),
            QStringLiteral("123,456,789,012,345,678,901,234"));
}

TEST(SsEditFormat, MoneyStylePutsTheBackslashInFront) {
  EXPECT_EQ(Formatted("1234567.5", Style(TSsEditStyle::esMoney, 1)),
            QStringLiteral("\\1,234,567.5"));
  EXPECT_EQ(Formatted("-1000", Style(TSsEditStyle::esMoney)), QStringLiteral("\\-1,000"));
}

TEST(SsEditFormat, NumbersWithSeparatorsExponentsOrTooManyDecimalsAreRefused) {
  const TSsEditOption comma = Style(TSsEditStyle::esComma, 2);
  for (const char* text :
       {"12,345", "1e5", "1E5", "abc", "1.2.3", "-", ".", "+-1", " 12", "１２"}) {
    EXPECT_EQ(
        Refusal(QString::fromUtf8(text), comma),
        QStringLiteral("入力値 %1 は，数値として認識できません").arg(QString::fromUtf8(text)));
  }
  EXPECT_EQ(Refusal("100.5", Style(TSsEditStyle::esMoney, 0)),
            QStringLiteral("小数部有効桁数は，0 桁です"));
  EXPECT_EQ(Refusal("1.234", comma), QStringLiteral("小数部有効桁数は，2 桁です"));
}

TEST(SsEditFormat, DatesAreCompletedFromTodayAndChecked) {
  const TSsEditOption easy = Easy(TSsEditStyle::esDate);
  EXPECT_EQ(Formatted("0101", easy), QStringLiteral("2024/01/01"));
  EXPECT_EQ(Formatted("15", easy), QStringLiteral("2024/03/15"));
  EXPECT_EQ(Formatted("20230228", easy), QStringLiteral("2023/02/28"));
  EXPECT_EQ(Formatted("20240229", Style(TSsEditStyle::esDate)), QStringLiteral("2024/02/29"));
  const auto refusal = [](const char* text) {
    return QStringLiteral("入力値 %1 は，日付として認識できません").arg(QString::fromUtf8(text));
  };
  EXPECT_EQ(Refusal("20240230", easy), refusal("20240230"));
  EXPECT_EQ(Refusal("1332", easy), refusal("1332"));
  EXPECT_EQ(Refusal("2024/03/15", easy), refusal("2024/03/15"));
  EXPECT_EQ(Refusal("00000101", easy), refusal("00000101"));
  EXPECT_EQ(Refusal("0315", Style(TSsEditStyle::esDate)), refusal("0315"));
}

TEST(SsEditFormat, TimesAreCompletedFromNowAndChecked) {
  const TSsEditOption easy = Easy(TSsEditStyle::esTime);
  EXPECT_EQ(Formatted("093000", easy), QStringLiteral("09:30:00"));
  EXPECT_EQ(Formatted("0000", easy), QStringLiteral("13:00:00"));
  EXPECT_EQ(Formatted("5", easy), QStringLiteral("13:45:35"));
  const auto refusal = [](const char* text) {
    return QStringLiteral("入力値 %1 は，時刻として認識できません").arg(QString::fromUtf8(text));
  };
  EXPECT_EQ(Refusal("240000", easy), refusal("240000"));
  EXPECT_EQ(Refusal("235960", easy), refusal("235960"));
  EXPECT_EQ(Refusal("1230", Style(TSsEditStyle::esTime)), refusal("1230"));
}

TEST(SsEditFormat, ExitChecksRunLengthThenFormatThenEmptyCheck) {
  TSsEditOption option = Style(TSsEditStyle::esComma);
  option.Length.MaxLength = 3;
  option.DoEmptyCheck = true;
  // Too long wins over not being a number.
  EXPECT_EQ(Refusal("12a45", option),
            QStringLiteral("入力値 12a45 は，最大入力文字数を超えています"));
  EXPECT_EQ(Formatted("123", option), QStringLiteral("123"));
  EXPECT_EQ(Refusal("", option), QStringLiteral("値が入っていません"));
  option.DoEmptyCheck = false;
  EXPECT_EQ(Formatted("", option), QString());
  // An empty date is left empty, not completed to today.
  EXPECT_EQ(Formatted("", Easy(TSsEditStyle::esDate)), QString());
}

}  // namespace
