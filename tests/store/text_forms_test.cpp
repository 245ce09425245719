#include <gtest/gtest.h>

#include "file_names.h"
#include "csv_writer.h"
#include "match_text.h"

namespace {

TEST(MatchForm, FoldsWidthKanaAndCase) {
  struct Case {
    const char16_t* text;
    const char16_t* wanted;
    bool found;
  };
  const Case cases[] = {
      {u"ボールペン", u"ぼーる", true},
      {u"ボールペン", u"ﾎﾞｰﾙ", true},  // half-width with a separate voiced mark
      {u"ﾎﾞｰﾙﾍﾟﾝ", u"ボールペン", true},
      {u"ＡＢＣ－１２", u"abc-12", true},
      {u"abc", u"ＡＢ", true},
      {u"がっこう", u"ガッコウ", true},
      {u"ヴァイオリン", u"ゔぁい", true},
      {u"ハ", u"バ", false},  // a voiced mark is a different letter
      {u"ボールペン", u"ぺんき", false},
      {u"", u"あ", false},
      {u"何でも", u"", true},
  };
  for (const Case& c : cases) {
    const QString text = QString::fromUtf16(c.text);
    const QString wanted = QString::fromUtf16(c.wanted);
    EXPECT_EQ(MatchContains(text, MatchForm(wanted)), c.found)
        << text.toStdString() << " / " << wanted.toStdString();
  }
}

TEST(Csv, QuotesWhereNeededAndKeepsTheStyle) {
  const std::vector<std::vector<std::string>> rows = {
      {"名前", "金額"}, {"a,b", "1234.5"}, {"say \"hi\"", "-3"}, {"two\nlines", ""}, {"cr\r", "x"}};
  EXPECT_EQ(CsvText(rows),
            "名前,金額\n\"a,b\",1234.5\n\"say \"\"hi\"\"\",-3\n\"two\nlines\",\n\"cr\r\",x\n");
  EXPECT_EQ(CsvText({{"a", "b"}, {"c"}}, {.bom = true, .crlf = true}),
            "\xEF\xBB\xBF"
            "a,b\r\nc\r\n");
  EXPECT_EQ(CsvText({}, {.bom = true}), "\xEF\xBB\xBF");
}

}  // namespace

TEST(SuggestedFileNames, JoinTheirPartsSafely) {
  const struct {
    QStringList parts;
    QString name;
  } cases[] = {
      {{"出荷伝票", "株式会社ひまわり商店"}, "出荷伝票_株式会社ひまわり商店.csv"},
      {{"請求書", "", YearMonthText(QDate(2026, 11, 30))}, "請求書_2026年11月.csv"},
      {{"A/B\\C:D*E?F\"G<H>I|J\tK"}, "A_B_C_D_E_F_G_H_I_J_K.csv"},
      {{"..", "x"}, "_x.csv"},
      {{"  二重  空白  "}, "二重 空白.csv"},
  };
  for (const auto& c : cases) EXPECT_EQ(SuggestedFileName(c.parts, QStringLiteral("csv")), c.name);
}
