#include "receipt.h"

#include "document.h"
#include "document_blocks.h"
#include "file_names.h"
#include "page_fonts.h"
#include "qualified_invoice.h"
#include "sjis_codec.h"

namespace {

constexpr double kBlockHeight = 111;
constexpr double kCentre = 105;
constexpr QRgb kShade = 0xFFECE9D8;  // RGB(236, 233, 216)
constexpr QRgb kBlack = 0xFF000000;

int Round(double v) {
  return static_cast<int>(std::lround(v));
}

// A text centred at 105 mm, cut to `roomMm`, with a solid bar under it as wide as the text.
void UnderlinedText(PageCanvas& c, Face face, double topMm, double roomMm, const QString& text) {
  const int cell = c.Size(7.5);
  const QString shown = CutToWidth(face, cell, text, c.LenX(roomMm));
  const int width = Round(TextWidth(face, cell, shown));
  c.Text(face, 7.5, {Align::Centre, c.X(kCentre), c.Y(topMm)}, shown);
  if (shown.isEmpty()) return;
  c.Fill(QRect(c.X(kCentre) - Round(width / 2.0), c.Y(topMm) + cell, width, c.LenY(0.6)), kBlack);
}

// The name is cut so that the honorific always follows it in full.
void DrawPartnerLine(PageCanvas& c, const ReceiptSnapshot& s, double o) {
  const int cell = c.Size(7.5);
  const QString suffix = QStringLiteral("　") + s.nameTitle;
  const double room = c.LenX(180) - TextWidth(Face::PGothic, cell, suffix);
  UnderlinedText(c, Face::PGothic, 30 + o, 180,
                 CutToWidth(Face::PGothic, cell, s.customer, room) + suffix);
}

// The amount is never cut: shaded, underlined and closed by ※.
void DrawAmount(PageCanvas& c, const ReceiptSnapshot& s, double o) {
  const int cell = c.Size(7.5);
  const QString text = WithYen(s.price) + QStringLiteral("※");
  const int width = Round(TextWidth(Face::PGothic, cell, text));
  const int shaded = Round(TextWidth(Face::PGothic, cell, text + QStringLiteral("　")));
  const int top = c.Y(42.5 + o);
  c.Fill(QRect(c.X(kCentre) - Round(shaded / 2.0), top, shaded, c.Y(44 + o) + cell - top), kShade);
  c.Fill(QRect(c.X(kCentre) - Round(width / 2.0), c.Y(43 + o) + cell, width, c.LenY(0.6)), kBlack);
  c.Text(Face::PGothic, 7.5, {Align::Centre, c.X(kCentre), c.Y(43 + o)}, text);
}

void DrawTexts(PageCanvas& c, const ReceiptSnapshot& s, double o) {
  // Free text stops short of the stamp box when it is printed.
  const double room = s.tantou ? 2 * (160 - 0.5 - kCentre) : 180;
  if (s.tadashi) {
    c.Text(Face::PGothic, 3.5, {Align::Centre, c.X(kCentre), c.Y(56 + o), c.LenX(room), Fit::Cut},
           s.tadashiText);
  }
  const QString date = s.date.toString(QStringLiteral("yyyy 年 MM 月 dd 日"));
  c.Text(Face::PGothic, 3.5, {Align::Centre, c.X(kCentre), c.Y(61 + o), c.LenX(room), Fit::Cut},
         date + QStringLiteral("　上記の金額正に領収致しました。"));
}

void DrawBreakdown(PageCanvas& c, const ReceiptSnapshot& s, double o, int pen) {
  c.Text(Face::PGothic, 3.5, {Align::Left, c.X(30), c.Y(70 + o)}, QStringLiteral("内訳"));
  c.Text(Face::PGothic, 3.5, {Align::Right, c.X(80), c.Y(70 + o)}, QStringLiteral("金額 "));
  c.LineAcross(30, 74 + o, 50, pen);
  for (int k = 1; k <= 4; ++k) {
    const double top = 70 + 5 * k + o;
    const auto i = static_cast<size_t>(k - 1);
    c.Text(Face::PGothic, 3.5, {Align::Left, c.X(30), c.Y(top), c.LenX(24), Fit::Cut},
           CutToBytes(s.kinds[i], 14));
    if (!s.amounts[i].isEmpty()) {
      c.Text(Face::PGothic, 3.5, {Align::Right, c.X(80), c.Y(top), c.LenX(50), Fit::Squeeze},
             WithYen(s.amounts[i]) + QStringLiteral("-"));
    }
    c.LineAcross(30, 74 + 5 * k + o, 50, pen);
  }
}

void DrawCompanyAndBoxes(PageCanvas& c, const ReceiptSnapshot& s, double o, int pen) {
  const double room = s.inshi ? 74.5 : 115;  // up to the revenue-stamp box
  const QStringList& co = s.company;
  BlockLine(c, Face::PGothic, 3.5, 85, 70 + o, room, BlockAt(co, 0), 40);
  BlockLine(c, Face::PGothic, 3.5, 85, 74.5 + o, room, BlockAt(co, 1), 40);
  BlockLine(c, Face::PGothic, 3.5, 85, 79 + o, room, BlockAt(co, 2), 40);
  BlockLine(c, Face::PGothic, 4, 85, 83.5 + o, room, BlockAt(co, 3), 36);
  BlockLine(c, Face::Gothic, 3.5, 85, 88.5 + o, room, s.registration, 999);
  if (s.tantou) {
    c.Rect(160, 51 + o, 175, 71 + o, pen);
    c.LineAcross(160, 56 + o, 15, pen);
    c.Text(Face::PGothic, 3.5, {Align::Centre, c.X(167.5), c.Y(51.75 + o)},
           QStringLiteral("担当印"));
  }
  if (s.inshi) {
    c.Rect(160, 74.5 + o, 178, 94.5 + o, pen);
    c.Text(Face::PGothic, 3, {Align::Centre, c.X(169), c.Y(76.5 + o)}, QStringLiteral("収入印紙"));
  }
}

void DrawBlock(PageCanvas& c, const ReceiptSnapshot& s, bool copy) {
  const double o = copy ? kBlockHeight : 0;
  const int pen = c.Size(0.1);
  if (!s.number.isEmpty()) {
    c.Text(Face::Gothic, 3.5, {Align::Right, c.X(190), c.Y(19 + o), c.LenX(35), Fit::Cut},
           QStringLiteral("№") + s.number);
  }
  UnderlinedText(c, Face::Gothic, 15 + o, 90, copy ? s.title + QStringLiteral("（控）") : s.title);
  DrawPartnerLine(c, s, o);
  DrawAmount(c, s, o);
  DrawTexts(c, s, o);
  DrawBreakdown(c, s, o, pen);
  DrawCompanyAndBoxes(c, s, o, pen);
  c.LineAcrossPage(kBlockHeight + o, pen);
}

}  // namespace

void SetReceiptCompany(ReceiptSnapshot& s, const Document& doc) {
  const CompanySettings& co = doc.company;
  s.company = AddressBlock(co).mid(0, 4);  // no TEL or FAX on a receipt
  s.registration = RegistrationLine(doc);
}

namespace {

// The amount as the field shows it; a text that is no amount keeps 0.
Money ReceiptAmount(const QString& price) {
  try {
    return ParseAmount(price.toStdString());
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace

Report ReceiptReport(const ReceiptSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QStringLiteral(" 領収書");
  report.nameParts = {snapshot.title, snapshot.customer, DayText(snapshot.date)};
  report.issued = {QStringLiteral("receipt"),
                   snapshot.date,
                   ReceiptAmount(snapshot.price),
                   -1,
                   snapshot.customer,
                   snapshot.number,
                   snapshot.number};
  report.pageCount = 1;
  report.draw = [snapshot](const DeviceMetrics& m, int) {
    PageCanvas c(m);
    DrawBlock(c, snapshot, false);
    DrawBlock(c, snapshot, true);
    return c.Take();
  };
  return report;
}
