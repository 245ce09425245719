#include <QFontInfo>
#include <QFontMetricsF>
#include <QRawFont>

#include <gtest/gtest.h>

#include "page_canvas.h"
#include "page_test_util.h"

TEST(PageCanvas, MillimetresBecomeDevicePixelsTermByTermHalvesToEven) {
  const DeviceMetrics m = FakePrinter600();
  const PageCanvas c(m);
  struct Case {
    double mm;
    int x;
  };
  // 600 dpi: 23.622... px per mm.
  for (const Case& k : {Case{10, 236 - 100}, Case{200, 4724 - 100}, Case{0.3, 7 - 100}}) {
    EXPECT_EQ(c.X(k.mm), k.x) << k.mm;
  }
  EXPECT_EQ(c.Y(15), 354 - 80);
  // 96 + 6.3 x 2 + 7 + 1.4: each term rounded by itself (2268 + 298 + 165 + 33).
  EXPECT_EQ(c.Y({96, 6.3 * 2, 7, 1.4}), 2268 + 298 + 165 + 33 - 80);
  EXPECT_EQ(c.LenX(190), 4488);
  EXPECT_EQ(c.ThinPen(), 7);
  EXPECT_EQ(c.HeavyPen(), 14);
  // 1.27 mm is exactly 30 px at 600 dpi and 0.635 mm exactly 15: 15 halves stay at 15,
  // and 0.0635 mm (1.5 px) goes to the even 2.
  EXPECT_EQ(c.LenX(0.0635), 2);
  EXPECT_EQ(c.LenX(0.0635 * 5), 8);  // 7.5 -> 8
  EXPECT_EQ(c.LenX(0.0635 * 3), 4);  // 4.5 -> 4
}

TEST(PageCanvas, RightEdgeTextsMoveByTheMarginDifference) {
  DeviceMetrics even = FakePrinter600();
  even.width = even.physicalWidth - 2 * even.offsetX;
  const DeviceMetrics uneven = FakePrinter600();  // right margin 60, left 100
  const PageCanvas a(even);
  const PageCanvas b(uneven);
  // Elsewhere on the page nothing moves on the sheet...
  EXPECT_EQ(a.X(105), b.X(105));
  // ...but the right edge follows the right margin: 40 px further right on the page.
  EXPECT_EQ(b.RightEdge(200) - a.RightEdge(200), 40);
  EXPECT_EQ(b.RightEdge(200), 4724 - 60);
}

TEST(PageFonts, PagesDrawWithTheIpaFacesAtTheirCellHeight) {
  for (Face face : {Face::Gothic, Face::PGothic}) {
    const QFont font = PageFont(face, 83);
    const QString expected = face == Face::Gothic ? "IPAGothic" : "IPAPGothic";
    EXPECT_EQ(QFontInfo(font).family(), expected);
    EXPECT_EQ(QRawFont::fromFont(font).familyName(), expected);
    const QFontMetricsF fm(font);
    EXPECT_NEAR(fm.ascent() + fm.descent(), 83, 1.0);
  }
  // Fixed pitch: digits and half-width letters are the same width, full width is twice.
  const double one = TextWidth(Face::Gothic, 83, "1");
  EXPECT_DOUBLE_EQ(TextWidth(Face::Gothic, 83, "W"), one);
  EXPECT_NEAR(TextWidth(Face::Gothic, 83, QStringLiteral("あ")), 2 * one, 0.5);
}

TEST(PageFonts, TheYenByteHasItsOwnGlyphInTheIpaFaces) {
  // The byte 0x5C stays U+005C; the face must have a glyph for it (no fallback).
  const QRawFont raw = QRawFont::fromFont(PageFont(Face::Gothic, 83));
  EXPECT_TRUE(raw.supportsCharacter(QChar(0x5C)));
}

TEST(PageCanvas, OverlongTextsAreCutOrSqueezedIntoTheirBox) {
  PageCanvas c(FakePrinter600());
  const QString name = QStringLiteral("とても長い商品名とても長い商品名とても長い");
  const QString number = QStringLiteral("\\-9,999,999,999,999.99");
  const int room = 500;
  c.Text(Face::PGothic, 3.5, {Align::Left, 1000, 10, room, Fit::Cut}, name);
  c.Text(Face::Gothic, 3.5, {Align::Right, 3000, 10, room, Fit::Squeeze}, number);
  c.Text(Face::Gothic, 3.5, {Align::Right, 3000, 20, 2000, Fit::Squeeze}, number);
  const std::vector<TextOp> texts = TextsOf(c.Take());
  ASSERT_EQ(texts.size(), 3u);
  // The name lost characters from its end, as few as needed.
  EXPECT_TRUE(name.startsWith(texts[0].text));
  EXPECT_LE(DrawnWidth(texts[0]), room);
  EXPECT_GT(TextWidth(Face::PGothic, texts[0].cell, name.left(texts[0].text.size() + 1)), room);
  // The number keeps every character and is squeezed, never below 80 %.
  EXPECT_EQ(texts[1].text, number);
  EXPECT_DOUBLE_EQ(texts[1].xScale, 0.8);
  EXPECT_EQ(texts[1].x + static_cast<int>(std::lround(DrawnWidth(texts[1]))), 3000);
  EXPECT_DOUBLE_EQ(texts[2].xScale, 1.0);
}

TEST(PageCanvas, CutToBytesNeverSplitsACharacter) {
  struct Case {
    QString text;
    int n;
    QString cut;
  };
  for (const Case& k :
       {Case{"ABCDEF", 4, "ABCD"}, Case{QStringLiteral("Aあい"), 4, QStringLiteral("Aあ")},
        Case{QStringLiteral("あい"), 4, QStringLiteral("あい")}, Case{"AB", 12, "AB"}}) {
    EXPECT_EQ(CutToBytes(k.text, k.n), k.cut) << k.text.toStdString();
  }
}
