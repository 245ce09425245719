#include "delivery_note.h"

#include <algorithm>

#include "amount_text.h"
#include "dates.h"
#include "delivery_note_values.h"
#include "document.h"
#include "document_blocks.h"
#include "file_names.h"
#include "list_report_frame.h"
#include "partner_terms.h"
#include "qualified_invoice.h"
#include "sjis_codec.h"

namespace {

constexpr double kTableTop = 96;
constexpr double kRowHeight = 6.3;
constexpr double kNameRight = 83;

const std::vector<double>& ColumnRules() {
  static const std::vector<double> rules{38, 83, 100, 115, 132, 154};
  return rules;
}

const std::vector<ListCell>& RowCells() {
  static const std::vector<ListCell> cells{
      {0, Face::PGothic, Align::Left, 10.5, 15, Fit::Cut},
      {1, Face::PGothic, Align::Left, 38.5, 25, Fit::Cut},
      {2, Face::Gothic, Align::Right, 99.5, 0, Fit::Squeeze},
      {3, Face::PGothic, Align::Centre, 107.5, 8, Fit::Cut},
      {4, Face::Gothic, Align::Right, 131.5, 0, Fit::Squeeze},
      {5, Face::Gothic, Align::Right, 153.5, 0, Fit::Squeeze, true},
      {6, Face::PGothic, Align::Left, 154.5, 25, Fit::Cut}};
  return cells;
}

void DrawComment(PageCanvas& c, const DeliveryNoteSnapshot& s) {
  // The comment stops short of the stamp boxes when they are printed.
  const double room = s.tantou || s.kakunin ? 124 : 190;
  c.Text(Face::PGothic, 4, {Align::Left, c.X(10), c.Y(65), c.LenX(room), Fit::Cut}, s.comment);
  DrawStampBoxes(c, s.tantou, s.kakunin);
}

void DrawTable(PageCanvas& c, const DeliveryNoteSnapshot& s, int page) {
  c.Rect(10, kTableTop, 200, 254.2, c.HeavyPen());
  for (double x : ColumnRules()) c.LineDown(x, kTableTop, 158.2, c.ThinPen());
  const std::pair<const char*, double> headings[] = {
      {"コード", 24},  {"商品名", 60.5}, {"数量", 91.5}, {"単位", 107.5},
      {"単価", 123.5}, {"金額", 143},    {"備考", 177}};
  for (const auto& [text, centre] : headings) {
    c.Text(Face::Gothic, 4, {Align::Centre, c.X(centre), c.Y(97.5)}, QString::fromUtf8(text));
  }
  c.LineAcross(10, 103, 190, c.HeavyPen());
  for (int i = 0; i < kDeliveryNoteRowsPerPage; ++i) {
    c.LineAcross(10, {103, kRowHeight * i}, 190, c.ThinPen());
  }
  const RowRange range =
      RowsOnPage(static_cast<int>(s.rows.size()), kDeliveryNoteRowsPerPage, page);
  for (int r = range.first; r < range.end; ++r) {
    const int top = c.Y({kTableTop, kRowHeight * (r - range.first), 7, 1.4});
    const DeliveryNoteRow& row = s.rows[static_cast<size_t>(r)];
    DrawMarkedRow(c, RowCells(), ColumnRules(), row.texts, top, row.reduced, kNameRight);
  }
}

void TotalRow(PageCanvas& c, double top, const QString& label, const QString& value) {
  c.Text(Face::PGothic, 3.5, {Align::Centre, c.X(116), c.Y(top), c.LenX(30), Fit::Cut}, label);
  c.Text(Face::PGothic, 3.5, {Align::Centre, c.X(166), c.Y(top), c.LenX(66), Fit::Squeeze},
         WithYen(value));
}

void DrawTotals(PageCanvas& c, const DeliveryNoteSnapshot& s, int page, int count) {
  Money pageTotal;
  Money running;
  const RowRange range =
      RowsOnPage(static_cast<int>(s.rows.size()), kDeliveryNoteRowsPerPage, page);
  for (int r = 0; r < range.end; ++r) {
    const Money v = s.rows[static_cast<size_t>(r)].value;
    running += v;
    if (r >= range.first) pageTotal += v;
  }
  const int thin = c.ThinPen();
  const int heavy = c.HeavyPen();
  if (page == count) {
    c.LineAcross(100, 260.5, 100, thin);
    c.LineAcross(100, 266.8, 100, thin);
    c.LineAcross(100, 273.1, 100, heavy);
    c.LineAcross(100, 279.4, 100, heavy);
    for (double x : {100.0, 132.0, 200.0}) c.LineDown(x, 254.2, 25.2, heavy);
    TotalRow(c, 255.6, QStringLiteral("ページ内合計"), FormattedAmount(pageTotal));
    TotalRow(c, 261.9, QStringLiteral("金額小計"), s.subtotal);
    TotalRow(c, 268.2, QStringLiteral("消費税額"), s.tax);
    TotalRow(c, 274.5, QStringLiteral("合計金額"), s.total);
    if (!s.innerTax.isEmpty()) {
      c.Text(Face::PGothic, 3.5, {Align::Right, c.X(199), c.Y(280.5), c.LenX(98), Fit::Squeeze},
             s.innerTax);
    }
    return;
  }
  c.LineAcross(100, 260.5, 100, heavy);
  c.LineAcross(100, 266.8, 100, thin);
  c.LineAcross(100, 273.1, 100, heavy);
  c.LineAcross(100, 279.4, 100, heavy);
  for (double x : {100.0, 132.0, 200.0}) c.LineDown(x, 260.5, 18.9, heavy);
  TotalRow(c, 261.9, QStringLiteral("ページ内合計"), FormattedAmount(pageTotal));
  TotalRow(c, 274.5, QStringLiteral("累計合計"), FormattedAmount(running));
}

bool AnyReduced(const DeliveryNoteSnapshot& s) {
  return std::any_of(s.rows.begin(), s.rows.end(),
                     [](const DeliveryNoteRow& r) { return r.reduced; });
}

// Left of the totals block on the last page: the rates as a table on the totals' own
// rows (a slip has one day, so at most the standard and the reduced rate), the legend
// under it.
void DrawTaxNotes(PageCanvas& c, const DeliveryNoteSnapshot& s) {
  constexpr int kMaxRates = 3;  // the rows the totals block has beside the heading
  std::vector<QStringList> rows = s.rateRows;
  if (rows.size() > kMaxRates) rows.resize(kMaxRates);
  DrawRateTable(c, {10, 24, 60, 96}, 254.2, kRowHeight, rows);
  if (AnyReduced(s)) DrawTextLines(c, 11, 280.5, 0, 85, {kReducedLegend});
}

}  // namespace

DeliveryNoteSnapshot DeliveryNoteOf(const Document& doc, const Slip& slip,
                                    const CustomerRecord& partner) {
  const PartnerTerms terms = EffectiveTerms(doc.company, partner);
  const DeliveryNoteValues values = ComputeDeliveryNote(doc, slip, terms.rounding);
  DeliveryNoteSnapshot s;
  const Ymd ymd = DecodeDate(slip.date);
  s.date = QDate(ymd.year, ymd.month, ymd.day);
  s.number = FromSjis(slip.number);
  s.partner = AddressBlock(partner);
  const CompanySettings& co = doc.company;
  s.company = AddressBlock(co);
  for (const DeliveryNoteLine& l : values.lines) {
    s.rows.push_back(
        {{FromSjis(l.code), FromSjis(l.name), FormattedAmount(l.quantity), FromSjis(l.unit),
          FormattedAmount(l.price), FormattedAmount(l.amount), FromSjis(l.note)},
         l.amount,
         doc.invoice.enabled && l.reduced});
  }
  s.registration = RegistrationLine(doc);
  s.rateRows = RateTableRows(values.rates);
  s.subtotal = FormattedAmount(values.subtotal);
  s.tax = FormattedAmount(values.tax);
  s.innerTax = InnerTaxLine(values.innerTax);
  s.total = FormattedAmount(values.total);
  s.issued = {QStringLiteral("delivery-note"),
              s.date,
              values.total,
              partner.id,
              FromSjis(partner.name),
              QStringLiteral("slip %1").arg(slip.id),
              s.number};
  return s;
}

QStringList DeliveryNoteTaxNotes(const DeliveryNoteSnapshot& snapshot) {
  return TaxNoteLines(snapshot.innerTax, snapshot.rateRows, AnyReduced(snapshot));
}

Report DeliveryNoteReport(const DeliveryNoteSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QStringLiteral(" 納品書");
  report.issued = snapshot.issued;
  report.issued.number = snapshot.number;
  // The amount kept is the one on the paper, also when it was typed over in the window.
  if (const std::optional<Money> printed = AmountOf(CleanedAmountText(snapshot.total))) {
    report.issued.amount = *printed;
  }
  report.nameParts = {QStringLiteral("納品書"), snapshot.partner.value(3), DayText(snapshot.date)};
  report.pageCount = PageCountOf(static_cast<int>(snapshot.rows.size()), kDeliveryNoteRowsPerPage);
  report.draw = [snapshot, count = report.pageCount](const DeviceMetrics& m, int page) {
    PageCanvas c(m);
    DrawDocumentHeader(c, snapshot.number, snapshot.title, snapshot.date, page, count);
    DrawPartnerBlock(c, snapshot.partner, snapshot.nameTitle);
    DrawCompanyBlock(c, snapshot.company, snapshot.registration);
    DrawComment(c, snapshot);
    DrawTable(c, snapshot, page);
    DrawTotals(c, snapshot, page, count);
    if (page == count) DrawTaxNotes(c, snapshot);
    return c.Take();
  };
  return report;
}
