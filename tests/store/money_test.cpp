#include "money.h"

#include <gtest/gtest.h>

#include <limits>

#include "sjis.h"

namespace {

Money M(std::string_view text) {
  return MoneyFromText(text);
}

TEST(Money, ProductIsExactAndRoundsTiesToEven) {
  EXPECT_EQ(M("0.29") * M("100"), M("29"));
  EXPECT_EQ(M("98") * M("3"), M("294"));
  EXPECT_EQ(M("294") * M("1.05"), M("308.7"));
  EXPECT_EQ(M("1234.5678") * M("0.0001"), M("0.1235"));  // 0.12345678 rounds up
  EXPECT_EQ(M("0.0001") * M("0.5"), M("0"));             // 0.00005 ties to even 0
  EXPECT_EQ(M("0.0003") * M("0.5"), M("0.0002"));        // 0.00015 ties to even 0.0002
  EXPECT_EQ(M("-0.0003") * M("0.5"), M("-0.0002"));
  EXPECT_EQ(M("-12.5") * M("-2"), M("25"));
}

TEST(Money, ProductNearTheLimitsStaysExactOrOverflows) {
  const Money max = Money::FromRaw(std::numeric_limits<int64_t>::max());
  const Money min = Money::FromRaw(std::numeric_limits<int64_t>::min());
  EXPECT_EQ(max * M("1"), max);
  EXPECT_EQ(min * M("1"), min);
  EXPECT_EQ(max * M("-1"), Money::FromRaw(-std::numeric_limits<int64_t>::max()));
  EXPECT_EQ(max * M("0.5"), Money::FromRaw(std::numeric_limits<int64_t>::max() / 2 + 1));
  EXPECT_THROW(max * M("1.0001"), MoneyOverflow);
  EXPECT_THROW(min * M("-1"), MoneyOverflow);
  // 900 trillion yen times 10: the wide intermediate must not wrap.
  EXPECT_THROW(M("900000000000000") * M("10"), MoneyOverflow);
}

TEST(Money, TextFormIsShortestPlainDecimal) {
  EXPECT_EQ(MoneyToText(M("0")), "0");
  EXPECT_EQ(MoneyToText(Money::FromInt(1500)), "1500");
  EXPECT_EQ(MoneyToText(Money::FromRaw(125000)), "12.5");
  EXPECT_EQ(MoneyToText(Money::FromRaw(-2500)), "-0.25");
  EXPECT_EQ(MoneyToText(Money::FromRaw(1)), "0.0001");
  EXPECT_EQ(MoneyToText(Money::FromRaw(std::numeric_limits<int64_t>::min())),
            "-922337203685477.5808");
}

TEST(Money, TextFormRoundTripsEveryFourDecimalValue) {
  const int64_t samples[] = {0,
                             1,
                             -1,
                             9999,
                             10000,
                             10001,
                             -123456789,
                             5000,
                             12345678901234,
                             std::numeric_limits<int64_t>::max(),
                             std::numeric_limits<int64_t>::min()};
  for (int64_t raw : samples) EXPECT_EQ(M(MoneyToText(Money::FromRaw(raw))).raw, raw) << raw;
  for (int64_t raw = -30000; raw <= 30000; raw += 7) {
    ASSERT_EQ(M(MoneyToText(Money::FromRaw(raw))).raw, raw);
  }
}

TEST(Money, FromTextAcceptsThePlainFormOnly) {
  EXPECT_EQ(M(" 12.5 "), Money::FromRaw(125000));
  EXPECT_EQ(M("+3"), Money::FromInt(3));
  EXPECT_EQ(M(".5"), Money::FromRaw(5000));
  EXPECT_EQ(M("5."), Money::FromInt(5));
  EXPECT_EQ(M("1.23455"), Money::FromRaw(12346));  // tie, to even
  EXPECT_EQ(M("1.23445"), Money::FromRaw(12344));
  EXPECT_EQ(M("1.234451"), Money::FromRaw(12345));
  for (const char* bad :
       {"", " ", "-", ".", "1,000", "1e3", "12a", "1.2.3", "--1", "9223372036854776"}) {
    EXPECT_THROW(M(bad), ConvertError) << bad;
  }
}

TEST(TruncDecimals, CutsTowardZeroExactly) {
  EXPECT_EQ(TruncDecimals(0, M("12.99")), M("12"));
  EXPECT_EQ(TruncDecimals(1, M("12.99")), M("12.9"));
  EXPECT_EQ(TruncDecimals(2, M("-1.005")), M("-1"));
  EXPECT_EQ(TruncDecimals(2, M("3.1")), M("3.1"));
  EXPECT_EQ(TruncDecimals(2, M("0.29")), M("0.29"));
  EXPECT_EQ(TruncDecimals(1, M("-0.99")), M("-0.9"));
}

TEST(TruncDecimals, UnknownSettingGivesZero) {
  EXPECT_EQ(TruncDecimals(3, M("5")), M("0"));
  EXPECT_EQ(TruncDecimals(-1, M("5")), M("0"));
}

TEST(RoundAmount, RoundsTheMagnitudeAndKeepsTheSign) {
  struct Case {
    int method;
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {0, "12.9", "12"},
      {0, "7.9999", "7"},
      {1, "7", "7"},
      {1, "7.0001", "8"},
      {1, "0.5", "1"},
      {1, "12.4", "13"},
      {2, "7.5", "8"},
      {2, "7.4999", "7"},
      {2, "12.4", "12"},
      {2, "12.6", "13"},
      {2, "0.5", "1"},
      {0, "0", "0"},
      {2, "922337203685477", "922337203685477"},
      {1, "922337203685476.5", "922337203685477"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.method) + " " + c.in);
    EXPECT_EQ(RoundAmount(c.method, M(c.in)), M(c.out));
    // A return's line is the negated line of a sale: -x rounds to -(x rounded).
    EXPECT_EQ(RoundAmount(c.method, -M(c.in)), -M(c.out));
  }
  EXPECT_EQ(RoundAmount(2, M("-500")), M("-500"));
  EXPECT_EQ(RoundAmount(3, M("7.5")), M("0"));
}

TEST(Money, SumsOutsideTheRangeThrowInsteadOfWrapping) {
  const Money big = M("500000000000000");
  EXPECT_THROW(big + big, MoneyOverflow);
  EXPECT_THROW(-big - big, MoneyOverflow);
  Money sum = big;
  EXPECT_THROW(sum += big, MoneyOverflow);
  EXPECT_EQ(sum, big);  // a failed sum leaves the value as it was
  EXPECT_THROW(-Money::FromRaw(INT64_MIN), MoneyOverflow);
  EXPECT_EQ(big + -big, Money{});
  EXPECT_EQ(DivideRounded(M("80"), 100), M("0.8"));
  EXPECT_EQ(DivideRounded(M("0.0050"), 100), M("0"));  // 0.00005: tie to even
  EXPECT_EQ(DivideRounded(M("0.0150"), 100), M("0.0002"));
}

TEST(ParseAmount, IgnoresGroupingAndParentheses) {
  EXPECT_EQ(ParseAmount("1,234.5"), M("1234.5"));
  EXPECT_EQ(ParseAmount("(12)"), M("12"));
  EXPECT_EQ(ParseAmount("(1,234)"), M("1234"));
  EXPECT_EQ(ParseAmount("-1,000"), M("-1000"));
  EXPECT_THROW(ParseAmount(""), ConvertError);
  EXPECT_THROW(ParseAmount("(,)"), ConvertError);
  EXPECT_THROW(ParseAmount("12円"), ConvertError);
  EXPECT_EQ(CleanAmountText("(税込) 1,000"), "税込 1000");
}

TEST(FormatAmount, GroupsAndKeepsAtMostTwoDecimals) {
  EXPECT_EQ(FormatAmount(M("1234567")), "1,234,567");
  EXPECT_EQ(FormatAmount(M("1000000")), "1,000,000");
  EXPECT_EQ(FormatAmount(M("1234.5")), "1,234.5");
  EXPECT_EQ(FormatAmount(M("0")), "0");
  EXPECT_EQ(FormatAmount(M("0.5")), "0.5");
  EXPECT_EQ(FormatAmount(M("2")), "2");
  EXPECT_EQ(FormatAmount(M("-1000")), "-1,000");
  EXPECT_EQ(FormatAmount(M("100")), "100");
  EXPECT_EQ(FormatAmount(M("999.999")), "1,000");
}

TEST(FormatAmount, RoundsTheThirdDecimalHalfAwayFromZero) {
  EXPECT_EQ(FormatAmount(M("0.125")), "0.13");
  EXPECT_EQ(FormatAmount(M("-0.125")), "-0.13");
  EXPECT_EQ(FormatAmount(M("0.1249")), "0.12");
  EXPECT_EQ(FormatAmount(M("1.105")), "1.11");
  EXPECT_EQ(FormatAmount(M("-0.004")), "0");
}

TEST(ReformatAmount, TruncatesToTheSettingThenFormats) {
  EXPECT_EQ(ReformatAmount("1234.567", 2), "1,234.56");
  EXPECT_EQ(ReformatAmount("1234.56", 0), "1,234");
  EXPECT_EQ(ReformatAmount("(1,234.5)", 1), "1,234.5");
  EXPECT_EQ(ReformatAmount("12", 3), "0");
  EXPECT_THROW(ReformatAmount("abc", 2), ConvertError);
}

TEST(CutBytes, NeverSplitsADoubleByteCharacter) {
  const std::string kanji = "\x8A\x94\x8E\xAE";  // two double-byte characters
  EXPECT_EQ(CutBytes("abcdef", 3), "abc");
  EXPECT_EQ(CutBytes("ab", 5), "ab");
  EXPECT_EQ(CutBytes("a" + kanji, 2), "a");          // byte 2 starts a character
  EXPECT_EQ(CutBytes("a" + kanji, 3), "a\x8A\x94");  // byte 3 is a trail byte
  EXPECT_EQ(CutBytes(kanji, 4), kanji);
  EXPECT_EQ(CutBytes("abc", 0), "");
  // A trail byte in the lead range (0x81) must not count as a lead byte.
  const std::string trailLooksLikeLead =
      "\x83\x81"
      "ab";  // katakana "メ" then ab
  EXPECT_EQ(CutBytes(trailLooksLikeLead, 2), "\x83\x81");
  EXPECT_EQ(CutBytes("\xE0\x40\xFC\x40x", 3), "\xE0\x40");
}

}  // namespace
