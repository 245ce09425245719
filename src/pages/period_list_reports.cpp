#include "period_list_reports.h"

#include <stdexcept>

#include "date_convert.h"
#include "file_names.h"
#include "report_kind.h"
#include "slip_list_report.h"

namespace {

// What sets one period list apart from the others.
struct PeriodDesign {
  QString title;
  QString jobSuffix;
  ListLayout layout;
  Face totalsFace = Face::Gothic;
  // The two cells of the totals box: label, index of the total field, yen sign.
  struct Total {
    QString label;
    int field = 0;
    bool yen = true;
  };
  Total left;
  Total right;
};

ListLayout Frame(int rows, double bottom, std::vector<double> rules,
                 std::vector<ListHeading> headings, std::vector<ListCell> cells) {
  ListLayout l;
  l.rowsPerPage = rows;
  l.frameBottom = bottom;  // 51.5 + 6.3 x rows
  l.rules = std::move(rules);
  l.headings = std::move(headings);
  l.cells = std::move(cells);
  return l;
}

// A figure is squeezed as far as its column takes: never cut, never over a rule.
ListCell Figure(int source, Face face, double rightEdge, bool yen = true) {
  return {source, face, Align::Right, rightEdge, 0, Fit::Shrink, yen};
}

ListCell Name(int source, double left, int cutBytes, Face face = Face::PGothic) {
  return {source, face, Align::Left, left, cutBytes, Fit::Cut};
}

PeriodDesign ItemSales() {
  return {QStringLiteral("商品別明細一覧"),
          QStringLiteral(" 商品別明細一覧"),
          Frame(32, 253.1, {32, 112, 131, 156, 177},
                {{QStringLiteral("商品コード"), 21},
                 {QStringLiteral("商品名"), 72},
                 {QStringLiteral("数量"), 121.5},
                 {QStringLiteral("金額"), 143.5},
                 {QStringLiteral("原価"), 166.5},
                 {QStringLiteral("粗利益"), 188.5}},
                {Name(0, 10.5, 12), Name(1, 32.5, 44), Figure(2, Face::Gothic, 130.5, false),
                 Figure(3, Face::Gothic, 155.5), Figure(4, Face::Gothic, 176.5),
                 Figure(5, Face::Gothic, 199.5)}),
          Face::Gothic,
          {QStringLiteral("売上合計"), 0},
          {QStringLiteral("粗利益合計"), 2}};
}

PeriodDesign CustomerSales() {
  return {QStringLiteral("取引先別一覧"),
          QStringLiteral(" 取引先別一覧"),
          Frame(32, 253.1, {102, 137, 168},
                {{QStringLiteral("取引先名"), 56},
                 {QStringLiteral("金額"), 119.5},
                 {QStringLiteral("原価"), 152.5},
                 {QStringLiteral("粗利益"), 184}},
                {Name(0, 10.5, 52), Figure(1, Face::PGothic, 136.5),
                 Figure(2, Face::PGothic, 167.5), Figure(3, Face::PGothic, 199.5)}),
          Face::PGothic,
          {QStringLiteral("売上合計"), 0},
          {QStringLiteral("粗利益合計"), 2}};
}

PeriodDesign DateSales() {
  return {QStringLiteral("日付別一覧"),
          QStringLiteral(" 日付別一覧"),
          Frame(31, 246.8, {45, 113, 156},
                {{QStringLiteral("日付"), 27.5},
                 {QStringLiteral("金額"), 79},
                 {QStringLiteral("原価"), 134.5},
                 {QStringLiteral("粗利益"), 178}},
                {{0, Face::PGothic, Align::Centre, 27.5, 0, Fit::Squeeze},
                 Figure(1, Face::PGothic, 112.5),
                 Figure(2, Face::PGothic, 155.5),
                 Figure(3, Face::PGothic, 199.5)}),
          Face::PGothic,
          {QStringLiteral("売上合計"), 0},
          {QStringLiteral("粗利益合計"), 2}};
}

PeriodDesign Returns() {
  ListCell price = Figure(3, Face::Gothic, 112.5, false);
  price.yenWhenSet = true;  // subtotal rows have no unit price and no sign
  return {QStringLiteral("返品明細一覧"),
          QStringLiteral(" 返品明細一覧"),
          Frame(32, 253.1, {32, 79, 96, 113, 135, 155},
                {{QStringLiteral("商品コード"), 21},
                 {QStringLiteral("商品名"), 55.5},
                 {QStringLiteral("数量"), 87.5},
                 {QStringLiteral("単価"), 104.5},
                 {QStringLiteral("金額"), 124},
                 {QStringLiteral("日付"), 145},
                 {QStringLiteral("取引先名"), 177.5}},
                {Name(0, 10.5, 12),
                 Name(1, 32.5, 26),
                 Figure(2, Face::Gothic, 95.5, false),
                 price,
                 Figure(4, Face::Gothic, 134.5),
                 {5, Face::Gothic, Align::Centre, 145, 0, Fit::Squeeze},
                 Name(6, 155.5, 24, Face::Gothic)}),
          Face::Gothic,
          {QStringLiteral("数量合計"), 0, false},
          {QStringLiteral("金額合計"), 1}};
}

const PeriodDesign& DesignOf(int report) {
  static const PeriodDesign designs[] = {ItemSales(), CustomerSales(), DateSales(), Returns()};
  if (report < kReportItemSales || report > kReportReturnList) {
    throw std::invalid_argument("no period list has the report kind " + std::to_string(report));
  }
  return designs[report - kReportItemSales];
}

void DrawPeriod(PageCanvas& c, const ListReportSnapshot& s) {
  c.Rect(10, 28, 80, 34.5, c.ThinPen());
  c.LineDown(29, 28, 6.5, c.ThinPen());
  const int top = c.Y(29.5);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(19.5), top}, QStringLiteral("対象期間"));
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(54.5), top, c.LenX(49), Fit::Squeeze},
         PeriodText(ToQDate(s.from), ToQDate(s.to)));
}

void DrawTotals(PageCanvas& c, const PeriodDesign& d, const QStringList& totals) {
  const int heavy = c.HeavyPen();
  for (double y : {262.0, 268.3, 274.6}) c.LineAcross(114, y, 86, heavy);
  for (double x : {114.0, 157.0, 200.0}) c.LineDown(x, 262, 12.6, heavy);
  for (const auto& [total, centre] : {std::pair{d.left, 135.5}, std::pair{d.right, 178.5}}) {
    const QString value = total.field < totals.size() ? totals[total.field] : QString();
    c.Text(d.totalsFace, 3.5, {Align::Centre, c.X(centre), c.Y(263.4)}, total.label);
    c.Text(d.totalsFace, 3.5, {Align::Centre, c.X(centre), c.Y(269.7), c.LenX(41), Fit::Squeeze},
           total.yen ? WithYen(value) : value);
  }
}

}  // namespace

const ListLayout& PeriodListLayout(int report) {
  return DesignOf(report).layout;
}

Report PeriodListReport(const ListReportSnapshot& snapshot) {
  const PeriodDesign& design = DesignOf(snapshot.report);
  Report report;
  report.jobSuffix = design.jobSuffix;
  report.nameParts = {
      design.jobSuffix.trimmed(),
      DayText(ToQDate(snapshot.from)) + QLatin1Char('-') + DayText(ToQDate(snapshot.to))};
  report.pageCount = PageCountOf(static_cast<int>(snapshot.rows.size()), design.layout.rowsPerPage);
  const ListSnapshot list{design.title, snapshot.rows, snapshot.printDate};
  report.draw = [&design, snapshot, list, count = report.pageCount](const DeviceMetrics& m,
                                                                    int page) {
    PageCanvas c(m);
    DrawListPage(c, design.layout, list, page, count);
    DrawPeriod(c, snapshot);
    if (page == count) DrawTotals(c, design, snapshot.totals);
    return c.Take();
  };
  return report;
}
