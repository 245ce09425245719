#include "document_blocks.h"

#include "document.h"
#include "list_report_frame.h"
#include "qualified_invoice.h"
#include "sjis_codec.h"

namespace {

QStringList Block(const std::string& postal, const std::string& address1,
                  const std::string& address2, const std::string& name, const std::string& tel,
                  const std::string& fax) {
  return {FromSjis(postal), FromSjis(address1), FromSjis(address2),
          FromSjis(name),   FromSjis(tel),      FromSjis(fax)};
}

}  // namespace

QStringList AddressBlock(const CustomerRecord& p) {
  return Block(p.postal, p.address1, p.address2, p.name, p.tel, p.fax);
}

QStringList AddressBlock(const CompanySettings& co) {
  return Block(co.postal, co.address1, co.address2, co.name, co.tel, co.fax);
}

QString BlockAt(const QStringList& texts, int i) {
  return i < texts.size() ? texts[i] : QString();
}

void BlockLine(PageCanvas& c, Face face, double h, double left, double top, double roomMm,
               const QString& text, int bytes) {
  c.Text(face, h, {Align::Left, c.X(left), c.Y(top), c.LenX(roomMm), Fit::Cut},
         CutToBytes(text, bytes));
}

void DrawDocumentHeader(PageCanvas& c, const QString& number, const QString& title,
                        const QDate& date, int page, int count) {
  if (!number.isEmpty()) {
    c.Text(Face::Gothic, 4, {Align::Left, c.X(10), c.Y(15), c.LenX(60), Fit::Cut},
           QStringLiteral("№") + number);
  }
  c.Text(Face::Gothic, 7.5, {Align::Centre, c.X(105), c.Y(18), c.LenX(120), Fit::Cut}, title);
  c.Text(Face::Gothic, 3.5, {Align::Right, c.RightEdge(200), c.Y(15)}, JapaneseDate(date));
  c.Text(Face::Gothic, 6, {Align::Right, c.RightEdge(200), c.Y(20)},
         QStringLiteral("%1/%2").arg(page).arg(count));
}

void DrawPartnerBlock(PageCanvas& c, const QStringList& p, const QString& nameTitle) {
  constexpr double kRoom = 120;  // up to the own company's block
  BlockLine(c, Face::PGothic, 4, 10, 31, kRoom, BlockAt(p, 0), 34);
  BlockLine(c, Face::PGothic, 4, 10, 35.5, kRoom, BlockAt(p, 1), 34);
  BlockLine(c, Face::PGothic, 4, 10, 40, kRoom, BlockAt(p, 2), 34);
  c.Text(Face::PGothic, 4, {Align::Left, c.X(10), c.Y(44.5), c.LenX(kRoom), Fit::Cut},
         CutToBytes(BlockAt(p, 3), 34) + QStringLiteral("　") + nameTitle);
  if (!BlockAt(p, 4).isEmpty()) {
    BlockLine(c, Face::Gothic, 4, 10, 49, kRoom,
              QStringLiteral("TEL:") + CutToBytes(BlockAt(p, 4), 30), 999);
  }
  if (!BlockAt(p, 5).isEmpty()) {
    BlockLine(c, Face::Gothic, 4, 10, 53.5, kRoom,
              QStringLiteral("FAX:") + CutToBytes(BlockAt(p, 5), 30), 999);
  }
}

void DrawCompanyBlock(PageCanvas& c, const QStringList& p, const QString& registration) {
  constexpr double kRoom = 65;  // to the sheet's right edge
  constexpr double kLine = 4.3;
  // Moving up keeps the block clear of the comment and the stamp boxes below it.
  const double up = registration.isEmpty() ? 0 : kLine;
  const double tops[] = {38, 42.3, 46.6, 50.9};
  for (int i = 0; i < 4; ++i) {
    BlockLine(c, Face::PGothic, 3.8, 135, tops[i] - up, kRoom, BlockAt(p, i), 34);
  }
  if (!registration.isEmpty()) {
    BlockLine(c, Face::Gothic, 3.8, 135, tops[3], kRoom, registration, 999);
  }
  if (!BlockAt(p, 4).isEmpty()) {
    BlockLine(c, Face::Gothic, 3.8, 135, 55.2, kRoom,
              QStringLiteral("TEL:") + CutToBytes(BlockAt(p, 4), 30), 999);
  }
  if (!BlockAt(p, 5).isEmpty()) {
    BlockLine(c, Face::Gothic, 3.8, 135, 59.5, kRoom,
              QStringLiteral("FAX:") + CutToBytes(BlockAt(p, 5), 30), 999);
  }
}

namespace {

void DrawStamp(PageCanvas& c, double left, const QString& caption) {
  c.Rect(left, 66, left + 20, 91, c.ThinPen());
  c.LineAcross(left, 71, 20, c.ThinPen());
  c.Text(Face::Gothic, 4, {Align::Centre, c.X(left + 10), c.Y(66.5)}, caption);
}

}  // namespace

void DrawStampBoxes(PageCanvas& c, bool tantou, bool kakunin) {
  if (tantou) DrawStamp(c, 135, QStringLiteral("担当印"));
  if (kakunin) DrawStamp(c, 155, QStringLiteral("確認印"));
}

void DrawMarkedRow(PageCanvas& c, const std::vector<ListCell>& cells,
                   const std::vector<double>& rules, const QStringList& row, int top, bool reduced,
                   double nameRight) {
  if (!reduced) {
    DrawRowCells(c, cells, rules, row, top);
    return;
  }
  constexpr double kMarkRoom = 4.5 + kCellPadding;
  // A rule of its own for the mark narrows only the name's room; it is not drawn.
  std::vector<double> narrowed = rules;
  narrowed.push_back(nameRight - kMarkRoom);
  DrawRowCells(c, cells, narrowed, row, top);
  c.Text(Face::PGothic, 3.5, {Align::Right, c.X(nameRight - kCellPadding), top}, kReducedMark);
}

void DrawTextLines(PageCanvas& c, double left, double top, double step, double roomMm,
                   const QStringList& lines) {
  for (int i = 0; i < lines.size(); ++i) {
    c.Text(Face::PGothic, 3.5,
           {Align::Left, c.X(left), c.Y({top, step * i}), c.LenX(roomMm), Fit::Shrink}, lines[i]);
  }
}

void DrawRateTable(PageCanvas& c, const std::vector<double>& rules, double top, double rowHeight,
                   const std::vector<QStringList>& rows) {
  if (rows.empty()) return;
  const double left = rules.front();
  const double right = rules.back();
  const double bottom = top + rowHeight * static_cast<double>(rows.size() + 1);
  const int thin = c.ThinPen();
  c.Rect(left, top, right, bottom, thin);
  for (size_t i = 1; i + 1 < rules.size(); ++i) c.LineDown(rules[i], top, bottom - top, thin);
  for (size_t r = 0; r <= rows.size(); ++r) {
    const double rowTop = top + rowHeight * static_cast<double>(r);
    if (r > 0) c.LineAcross(left, rowTop, right - left, thin);
    const QStringList& texts = r == 0 ? RateTableHeadings() : rows[r - 1];
    for (size_t col = 0; col + 1 < rules.size(); ++col) {
      const double room = rules[col + 1] - rules[col] - 2 * kCellPadding;
      const QString text = BlockAt(texts, static_cast<int>(col));
      // Headings centred, the rate centred, amounts right-aligned like every other figure.
      const bool figure = r > 0 && col > 0;
      const int anchor =
          figure ? c.X(rules[col + 1] - kCellPadding) : c.X((rules[col] + rules[col + 1]) / 2);
      c.Text(Face::Gothic, 4,
             {figure ? Align::Right : Align::Centre, anchor, c.Y(rowTop + (rowHeight - 4) / 2),
              c.LenX(room), Fit::Shrink},
             text);
    }
  }
}
