#include "trend_report.h"

#include "list_report_frame.h"
#include "page_canvas.h"
#include "sjis_codec.h"

namespace {

constexpr double kLeft = 10;
constexpr double kNameWidth = 36;
constexpr double kMonthWidth = 14.5;
constexpr double kSumWidth = 20;
constexpr double kRatioWidth = 14;
constexpr double kRowHeight = 5;
constexpr double kTextHeight = 2.8;
constexpr double kTop = 10;
constexpr double kChartHeight = 72;
constexpr double kBottom = 200;

double TableTop(int page) {
  return page == 1 ? kTop + 10 + kChartHeight + 4 : kTop + 10;
}

int RowsOn(int page) {
  return static_cast<int>((kBottom - TableTop(page)) / kRowHeight) - 1;  // less the header
}

// The left edge of column c (0 the name) and its width.
double ColumnLeft(int c) {
  if (c == 0) return kLeft;
  if (c <= 12) return kLeft + kNameWidth + (c - 1) * kMonthWidth;
  return kLeft + kNameWidth + 12 * kMonthWidth + (c - 13) * kSumWidth;
}
double ColumnWidth(int c) {
  return c == 0 ? kNameWidth : c <= 12 ? kMonthWidth : c <= 14 ? kSumWidth : kRatioWidth;
}

void Row(PageCanvas& c, double top, const QStringList& cells, bool heading) {
  for (int col = 0; col < 16 && col < cells.size(); ++col) {
    const double left = ColumnLeft(col);
    const double width = ColumnWidth(col);
    const bool text = col == 0 || heading;
    const Align align = text ? (heading ? Align::Centre : Align::Left) : Align::Right;
    const double at = align == Align::Centre ? left + width / 2
                      : align == Align::Left ? left + kCellPadding
                                             : left + width - kCellPadding;
    c.Text(Face::Gothic, kTextHeight,
           TextBox{align, c.X(at), c.Y(top + 1), c.LenX(width - 2 * kCellPadding),
                   text ? Fit::Cut : Fit::Shrink},
           cells[col]);
    c.LineDown(left, top, kRowHeight, c.ThinPen());
  }
  c.LineDown(ColumnLeft(15) + kRatioWidth, top, kRowHeight, c.ThinPen());
  c.LineAcross(kLeft, top + kRowHeight, ColumnLeft(15) + kRatioWidth - kLeft, c.ThinPen());
}

int PageCount(const TrendSnapshot& s) {
  const int rows = static_cast<int>(s.rows.size()) + 1;  // and the total
  int pages = 1;
  for (int left = rows - RowsOn(1); left > 0; left -= RowsOn(2)) ++pages;
  return pages;
}

Page DrawPage(const TrendSnapshot& s, const DeviceMetrics& m, int page, int count) {
  PageCanvas c(m);
  c.Text(Face::Gothic, 5, TextBox{Align::Left, c.X(kLeft), c.Y(kTop)}, s.title);
  c.Text(Face::Gothic, 3.2, TextBox{Align::Left, c.X(kLeft + 60), c.Y(kTop + 1.5)}, s.subtitle);
  c.Text(Face::Gothic, 3, TextBox{Align::Right, c.X(ColumnLeft(15) + kRatioWidth), c.Y(kTop + 1.5)},
         JapaneseDate(s.printDate) + QStringLiteral("　%1 / %2 頁").arg(page).arg(count));
  if (page == 1) {
    DrawTrendChart(c, QRect(c.X(kLeft), c.Y(kTop + 10), c.LenX(264), c.LenY(kChartHeight)),
                   s.chart);
  }
  double top = TableTop(page);
  const double width = ColumnLeft(15) + kRatioWidth - kLeft;
  c.LineAcross(kLeft, top, width, c.ThinPen());
  Row(c, top, s.captions, true);
  top += kRowHeight;
  int first = 0;
  for (int p = 1; p < page; ++p) first += RowsOn(p);
  const int end = std::min(first + RowsOn(page), static_cast<int>(s.rows.size()) + 1);
  for (int r = first; r < end; ++r) {
    const bool total = r == static_cast<int>(s.rows.size());
    Row(c, top, total ? s.total : s.rows[static_cast<size_t>(r)], false);
    top += kRowHeight;
  }
  return c.Take();
}

}  // namespace

TrendChart TrendChartOf(const MonthlyTrend& trend, const std::vector<size_t>& charted) {
  TrendChart chart;
  chart.months = TrendMonthNames(trend.query.startMonth);
  if (charted.size() <= 1) {
    const TrendRow& row = charted.empty() ? trend.total : trend.rows[charted[0]];
    const QString name = charted.empty() ? QStringLiteral("合計") : FromSjis(row.name);
    chart.bars = true;
    chart.series = {{name + QStringLiteral("（今年）"), row.months},
                    {QStringLiteral("前年"), row.previousMonths}};
    return chart;
  }
  for (size_t i : charted) {
    if (chart.series.size() == 10) break;
    chart.series.push_back({FromSjis(trend.rows[i].name), trend.rows[i].months});
  }
  return chart;
}

TrendSnapshot TrendSnapshotOf(const MonthlyTrend& trend, const std::vector<size_t>& order,
                              const std::vector<size_t>& charted, const QDate& printDate) {
  const TrendQuery& q = trend.query;
  const ShownTrend shown = TrendShown(trend);
  TrendSnapshot s;
  s.title = QStringLiteral("月別推移表");
  const bool sales = q.of == TrendOf::Sales;
  const QString by = q.by == TrendBy::Item ? QStringLiteral("商品別")
                     : q.by == TrendBy::Partner
                         ? (sales ? QStringLiteral("得意先別") : QStringLiteral("仕入先別"))
                         : QStringLiteral("合計");
  const int endMonth = (q.startMonth + 10) % 12 + 1;
  const int endYear = q.year + (q.startMonth == 1 ? 0 : 1);
  s.subtitle = QStringLiteral("%1 %2 %3年%4月〜%5年%6月")
                   .arg(sales ? QStringLiteral("売上") : QStringLiteral("仕入"), by)
                   .arg(q.year)
                   .arg(q.startMonth)
                   .arg(endYear)
                   .arg(endMonth);
  s.captions = VisibleCaptions(shown.rows);
  for (size_t i : order) s.rows.push_back(shown.rows.rows[i]);
  s.total = shown.total;
  s.chart = TrendChartOf(trend, charted);
  s.printDate = printDate;
  return s;
}

Report TrendReport(const TrendSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QStringLiteral(" 月別推移表");
  report.nameParts = {snapshot.title, snapshot.subtitle};
  report.landscape = true;
  report.pageCount = PageCount(snapshot);
  report.draw = [snapshot, count = report.pageCount](const DeviceMetrics& m, int page) {
    return DrawPage(snapshot, m, page, count);
  };
  return report;
}
