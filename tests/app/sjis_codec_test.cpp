#include "sjis_codec.h"

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

std::string Bytes(std::initializer_list<unsigned char> values) {
  return std::string(values.begin(), values.end());
}

TEST(SjisCodec, DoubleByteTextRoundTrips) {
  const QString text = QStringLiteral("てんぽ帳 販売管理：株式会社ツクエ（〒100-0001）");
  const std::optional<std::string> bytes = ToSjis(text);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(bytes->substr(0, 2), Bytes({0x82, 0xC4}));  // て
  EXPECT_EQ(FromSjis(*bytes), text);
  EXPECT_EQ(ToSjis(QString()), std::string());
}

TEST(SjisCodec, SingleBytesKeepBackslashTildeAndHalfWidthKatakana) {
  // 0x5C is the yen sign of printed amounts and must stay U+005C both ways.
  EXPECT_EQ(ToSjis(QStringLiteral("\\100~")), std::string("\\100~"));
  EXPECT_EQ(FromSjis("\\100~"), QStringLiteral("\\100~"));
  for (char16_t c = u'\uFF61'; c <= u'\uFF9F'; ++c) {
    const std::string expected(1, static_cast<char>(0xA1 + (c - u'\uFF61')));
    EXPECT_EQ(ToSjis(QString(QChar(c))), expected) << int(c);
    EXPECT_EQ(FromSjis(expected), QString(QChar(c))) << int(c);
  }
}

TEST(SjisCodec, NecAndIbmExtensionsAndUserCharactersRoundTrip) {
  struct Case {
    const char16_t* text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"①", Bytes({0x87, 0x40})},                                    // NEC special characters
      {u"㈱", Bytes({0x87, 0x8A})},     {u"ⅰ", Bytes({0xFA, 0x40})},  // IBM extension
      {u"髙", Bytes({0xFB, 0xFC})},     {u"﨑", Bytes({0xFA, 0xB1})},
      {u"\uE000", Bytes({0xF0, 0x40})},  // user-defined area
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(ToSjis(text), c.bytes) << text.toStdString();
    EXPECT_EQ(FromSjis(c.bytes), text);
  }
}

TEST(SjisCodec, JisFormsMapToTheirCp932Counterparts) {
  struct Case {
    char16_t typed;
    char16_t stored;
    std::string bytes;
  };
  const Case cases[] = {
      {u'\u301C', u'\uFF5E', Bytes({0x81, 0x60})},  // wave dash
      {u'\u2212', u'\uFF0D', Bytes({0x81, 0x7C})},  // minus
      {u'\u2016', u'\u2225', Bytes({0x81, 0x61})},  // double vertical line
      {u'\u2014', u'\u2015', Bytes({0x81, 0x5C})},  // dash
      {u'\u00A2', u'\uFFE0', Bytes({0x81, 0x91})},  // cent
      {u'\u00A3', u'\uFFE1', Bytes({0x81, 0x92})},  // pound
      {u'\u00AC', u'\uFFE2', Bytes({0x81, 0xCA})},  // not
      {u'\u00A5', u'\u005C', "\\"},                 // half-width yen sign
      {u'\u203E', u'\u007E', "~"},                  // overline
  };
  for (const Case& c : cases) {
    const QString typed = QStringLiteral("1") + QChar(c.typed) + QStringLiteral("2");
    EXPECT_EQ(NormalizeForSjis(typed), QStringLiteral("1") + QChar(c.stored) + QStringLiteral("2"));
    EXPECT_EQ(ToSjis(typed), "1" + c.bytes + "2");
    EXPECT_EQ(FromSjis(c.bytes), QString(QChar(c.stored)));
  }
  EXPECT_EQ(NormalizeForSjis(QStringLiteral("abc あ～")), QStringLiteral("abc あ～"));
}

TEST(SjisCodec, UnencodableTextIsRefusedNeverQuestionMarks) {
  const char16_t* refused[] = {u"€", u"é", u"ゔ", u"😀", u"価格: 100€", u"\u00A6"};
  for (const char16_t* text : refused) {
    const QString value = QString::fromUtf16(text);
    EXPECT_EQ(ToSjis(value), std::nullopt) << value.toStdString();
    EXPECT_FALSE(CanEncodeSjis(value)) << value.toStdString();
  }
  EXPECT_EQ(ToSjis(QStringLiteral("本当?")), std::string("\x96\x7B\x93\x96?"));
  EXPECT_TRUE(CanEncodeSjis(QStringLiteral("〜−")));
}

TEST(SjisCodec, BrokenBytesDecodeToVisibleReplacements) {
  // A field cut in the middle of a character keeps a trace of the lost half.
  EXPECT_EQ(FromSjis(Bytes({0x82, 0xA0, 0x82})), QStringLiteral("あ\uFFFD"));
  EXPECT_EQ(FromSjis(Bytes({0x41, 0xA0, 0x42})).size(), 3);
  EXPECT_EQ(FromSjis(std::string_view("a\0b", 3)), QString::fromUtf16(u"a\0b", 3));
}

}  // namespace
