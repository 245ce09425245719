#include "invoice.h"

#include <algorithm>

#include "amount_text.h"
#include "dates.h"
#include "document.h"
#include "document_blocks.h"
#include "file_names.h"
#include "list_report_frame.h"
#include "qualified_invoice.h"
#include "sjis_codec.h"

namespace {

constexpr double kTableTop = 117;
constexpr double kRowHeight = 6.3;
constexpr double kNameRight = 83;

const std::vector<double>& ColumnRules() {
  static const std::vector<double> rules{22, 38, 83, 100, 115, 132, 154};
  return rules;
}

const std::vector<ListCell>& RowCells() {
  static const std::vector<ListCell> cells{
      {0, Face::Gothic, Align::Centre, 16, 0, Fit::Squeeze},
      {1, Face::PGothic, Align::Centre, 30, 8, Fit::Squeeze},
      {2, Face::PGothic, Align::Left, 38.5, 25, Fit::Cut},
      {3, Face::Gothic, Align::Right, 99.5, 0, Fit::Squeeze},
      {4, Face::PGothic, Align::Centre, 107.5, 8, Fit::Cut},
      {5, Face::Gothic, Align::Right, 131.5, 0, Fit::Squeeze},
      {6, Face::Gothic, Align::Right, 153.5, 0, Fit::Squeeze, true},
      {7, Face::PGothic, Align::Left, 154.5, 25, Fit::Cut}};
  return cells;
}

void DrawBank(PageCanvas& c, const InvoiceSnapshot& s) {
  if (!s.bank) return;
  // Free text stops short of the stamp boxes when they are printed.
  const double right = s.tantou || s.kakunin ? 134 : 200;
  const QStringList& a = s.account;
  BlockLine(c, Face::PGothic, 4, 10, 65, right - 10, s.bankComment, 999);
  BlockLine(c, Face::PGothic, 4, 21, 70, right - 21,
            CutToBytes(BlockAt(a, 0), 26) + QLatin1Char(' ') + CutToBytes(BlockAt(a, 1), 26), 999);
  BlockLine(c, Face::PGothic, 4, 21, 75, right - 21,
            CutToBytes(BlockAt(a, 2), 26) + QLatin1Char(' ') + CutToBytes(BlockAt(a, 3), 26), 999);
  BlockLine(c, Face::PGothic, 4, 21, 80, right - 21, BlockAt(a, 4), 52);
}

// Headings on every page; the figures on page 1 only.
void DrawFigures(PageCanvas& c, const InvoiceSnapshot& s, int page) {
  const int heavy = c.HeavyPen();
  c.Rect(10, 96, 200, 110, heavy);
  c.LineAcross(10, 103, 190, heavy);
  const double rules[] = {10, 37, 64, 91, 118, 137, 164, 200};
  for (int i = 1; i < 7; ++i) c.LineDown(rules[i], 96, 14, heavy);
  const char* headings[] = {"前月累計", "今月入金",   "繰越額", "今月売上",
                            "消費税",   "今月請求額", "請求額"};
  for (int i = 0; i < 7; ++i) {
    const double centre = (rules[i] + rules[i + 1]) / 2;
    c.Text(Face::Gothic, 4, {Align::Centre, c.X(centre), c.Y(97.5)},
           QString::fromUtf8(headings[i]));
    if (page != 1) continue;
    // Numbers are squeezed into their column, never cut.
    const double width = rules[i + 1] - rules[i] - 2 * kCellPadding;
    c.Text(
        Face::Gothic, 4,
        {Align::Right, c.X(rules[i + 1] - kCellPadding), c.Y(104.5), c.LenX(width), Fit::Squeeze},
        WithYen(BlockAt(s.figures, i)));
  }
  // Under the figures, right of the legend.
  if (page == 1 && !s.innerTax.isEmpty()) {
    c.Text(Face::PGothic, 3.5, {Align::Right, c.X(199), c.Y(111.5), c.LenX(90), Fit::Squeeze},
           s.innerTax);
  }
}

// The column rules right of 100 mm stop at `ratesTop`, where the per-rate table begins.
void DrawTable(PageCanvas& c, const InvoiceSnapshot& s, int page, double ratesTop) {
  c.Rect(10, kTableTop, 200, 281.5, c.HeavyPen());
  for (double x : ColumnRules()) {
    c.LineDown(x, kTableTop, (x > 100 ? ratesTop : 281.5) - kTableTop, c.ThinPen());
  }
  const std::pair<const char*, double> headings[] = {
      {"日付", 16},    {"伝票№", 30},   {"商品名", 60.5}, {"数量", 91.5},
      {"単位", 107.5}, {"単価", 123.5}, {"金額", 143},    {"備考", 177}};
  for (const auto& [text, centre] : headings) {
    c.Text(Face::Gothic, 4, {Align::Centre, c.X(centre), c.Y(118.5)}, QString::fromUtf8(text));
  }
  c.LineAcross(10, 124, 190, c.HeavyPen());
  for (int i = 0; i < kInvoiceRowsPerPage; ++i) {
    c.LineAcross(10, {124, kRowHeight * i}, 190, c.ThinPen());
  }
  const RowRange range = RowsOnPage(static_cast<int>(s.rows.size()), kInvoiceRowsPerPage, page);
  for (int r = range.first; r < range.end; ++r) {
    const int top = c.Y({kTableTop, kRowHeight * (r - range.first), 7, 1.4});
    const auto i = static_cast<size_t>(r);
    const bool reduced = i < s.reduced.size() && s.reduced[i];
    DrawMarkedRow(c, RowCells(), ColumnRules(), s.rows[i], top, reduced, kNameRight);
  }
}

// The table rows the per-rate table takes: a heading row and one row per rate.
int RateTableHeight(const InvoiceSnapshot& s) {
  if (s.rateRows.empty()) return 0;
  return std::min(static_cast<int>(s.rateRows.size()) + 1, kInvoiceRowsPerPage);
}

bool AnyMarked(const InvoiceSnapshot& s) {
  return std::find(s.reduced.begin(), s.reduced.end(), true) != s.reduced.end();
}

// The legend in the gap between the figures and the table, on page 1.
void DrawLegend(PageCanvas& c, const InvoiceSnapshot& s) {
  if (AnyMarked(s)) {
    DrawTextLines(c, 11, 111.5, 0, 95, {kReducedLegend});
  }
}

// On the last page the rates close the table, on its last rows under the amounts.
double RateTableTop(const InvoiceSnapshot& s) {
  return 124 + kRowHeight * (kInvoiceRowsPerPage - RateTableHeight(s));
}

void DrawRates(PageCanvas& c, const InvoiceSnapshot& s) {
  const int rows = RateTableHeight(s);
  if (rows == 0) return;
  std::vector<QStringList> rates = s.rateRows;
  rates.resize(static_cast<size_t>(rows - 1));
  DrawRateTable(c, {100, 115, 154, 200}, RateTableTop(s), kRowHeight, rates);
}

}  // namespace

InvoiceSnapshot InvoiceOf(const Document& doc, const ClaimDetail& d) {
  InvoiceSnapshot s;
  const Ymd closing = DecodeDate(d.closingDate);
  s.date = QDate(closing.year, closing.month, closing.day);
  const CompanySettings& co = doc.company;
  s.account = {FromSjis(co.bankName), FromSjis(co.bankBranch), FromSjis(co.accountKind),
               FromSjis(co.accountNumber), FromSjis(co.accountHolder)};
  s.partner = AddressBlock(d.partner);
  s.company = AddressBlock(co);
  for (Money v : {d.previousBalance, d.received, d.carriedOver, d.sales, d.outerTax, d.salesWithTax,
                  d.claimed}) {
    s.figures << FormattedAmount(v);
  }
  s.innerTax = InnerTaxLine(d.innerTax);
  // The page draws the mark itself, in its own column.
  s.rows = ShownTexts(ClaimDetailShown(d, false));
  for (const ClaimDetailRow& r : d.rows) s.reduced.push_back(doc.invoice.enabled && r.reduced);
  s.registration = RegistrationLine(doc);
  s.rateRows = RateTableRows(d.rates);
  s.issued = {QStringLiteral("invoice"),
              s.date,
              d.claimed,
              d.partnerId,
              FromSjis(d.partner.name),
              s.date.toString(QStringLiteral("yyyy-MM")),
              QString()};
  return s;
}

QStringList InvoiceTaxNotes(const InvoiceSnapshot& snapshot) {
  return TaxNoteLines(snapshot.innerTax, snapshot.rateRows, AnyMarked(snapshot));
}

int InvoicePageCount(const InvoiceSnapshot& snapshot) {
  const int rows = static_cast<int>(snapshot.rows.size());
  const int pages = PageCountOf(rows, kInvoiceRowsPerPage);
  if (pages == 0) return 0;
  const int used = rows - (pages - 1) * kInvoiceRowsPerPage;
  return used + RateTableHeight(snapshot) <= kInvoiceRowsPerPage ? pages : pages + 1;
}

Report InvoiceReport(const InvoiceSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QStringLiteral(" 請求書");
  report.issued = snapshot.issued;
  report.issued.number = snapshot.number;
  // The amount kept is the one on the paper, also when it was typed over in the window.
  if (snapshot.figures.size() == 7) {
    if (const std::optional<Money> printed = AmountOf(CleanedAmountText(snapshot.figures[6]))) {
      report.issued.amount = *printed;
    }
  }
  report.nameParts = {QStringLiteral("請求書"), snapshot.partner.value(3),
                      YearMonthText(snapshot.date)};
  report.pageCount = InvoicePageCount(snapshot);
  report.draw = [snapshot, count = report.pageCount](const DeviceMetrics& m, int page) {
    PageCanvas c(m);
    DrawDocumentHeader(c, snapshot.number, snapshot.title, snapshot.date, page, count);
    DrawPartnerBlock(c, snapshot.partner, snapshot.nameTitle);
    DrawCompanyBlock(c, snapshot.company, snapshot.registration);
    DrawBank(c, snapshot);
    DrawStampBoxes(c, snapshot.tantou, snapshot.kakunin);
    DrawFigures(c, snapshot, page);
    DrawTable(c, snapshot, page, page == count ? RateTableTop(snapshot) : 281.5);
    if (page == 1) DrawLegend(c, snapshot);
    if (page == count) DrawRates(c, snapshot);
    return c.Take();
  };
  return report;
}
