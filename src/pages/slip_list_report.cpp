#include "slip_list_report.h"

#include "amount_text.h"
#include "list_report_frame.h"

namespace {

const ListLayout& Layout() {
  static const ListLayout layout = [] {
    ListLayout l;
    l.titleHeight = 7.5;
    l.rowsPerPage = kSlipListRowsPerPage;
    l.rowHeight = 6.3;
    l.textInset = 1.4;
    l.frameBottom = 253.1;
    l.rules = {50, 115};
    l.heavyRules = true;
    l.rulesDown = 213.1;
    l.headings = {{QStringLiteral("日付"), 30},
                  {QStringLiteral("伝票№"), 82.5},
                  {QStringLiteral("金額"), 157.5}};
    l.cells = {{0, Face::Gothic, Align::Centre, 30, 0, Fit::Squeeze},
               {1, Face::Gothic, Align::Centre, 82.5, 36, Fit::Cut},
               {2, Face::Gothic, Align::Right, 199.5, 0, Fit::Squeeze, true}};
    return l;
  }();
  return layout;
}

void DrawConditions(PageCanvas& c, const SlipListSnapshot& s) {
  c.Rect(10, 28, 162, 34.5, c.ThinPen());
  for (double x : {29.0, 81.0, 100.0}) c.LineDown(x, 28, 6.5, c.ThinPen());
  const int top = c.Y(29.5);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(19.5), top}, QStringLiteral("対象期間"));
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(55), top, c.LenX(50), Fit::Squeeze}, s.period);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(90.5), top}, QStringLiteral("取引先名"));
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(131), top, c.LenX(60), Fit::Cut},
         CutToBytes(s.partner, 33));
}

void TotalRow(PageCanvas& c, double top, const QString& label, const QString& value) {
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(82.5), c.Y(top)}, label);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(157.5), c.Y(top), c.LenX(83), Fit::Squeeze},
         WithYen(value));
}

void DrawTotals(PageCanvas& c, const SlipListSnapshot& s, int page, int count) {
  const int heavy = c.HeavyPen();
  for (double y : {259.4, 265.7, 272.0}) c.LineAcross(50, y, 150, heavy);
  for (double x : {50.0, 115.0, 200.0}) c.LineDown(x, 259.4, 12.6, heavy);
  Money pageTotal;
  Money running;
  const RowRange range = RowsOnPage(static_cast<int>(s.values.size()), kSlipListRowsPerPage, page);
  for (int r = 0; r < range.end; ++r) {
    running += s.values[static_cast<size_t>(r)];
    if (r >= range.first) pageTotal += s.values[static_cast<size_t>(r)];
  }
  TotalRow(c, 260.8, QStringLiteral("ページ内合計"), FormattedAmount(pageTotal));
  if (page == count) {
    TotalRow(c, 267.1, QStringLiteral("合計"), s.total);
  } else {
    TotalRow(c, 267.1, QStringLiteral("累計合計"), FormattedAmount(running));
  }
}

}  // namespace

QString PeriodText(const QDate& from, const QDate& to) {
  const QString pattern = QStringLiteral("yyyy/MM/dd");
  return from.toString(pattern) + QStringLiteral("～") + to.toString(pattern);
}

Report SlipListReport(const SlipListSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QStringLiteral(" 納品書一覧");
  report.nameParts = {QStringLiteral("納品書一覧")};
  report.pageCount = PageCountOf(static_cast<int>(snapshot.rows.size()), kSlipListRowsPerPage);
  const ListSnapshot list{QStringLiteral("納品書一覧"), snapshot.rows, snapshot.printDate};
  report.draw = [snapshot, list, count = report.pageCount](const DeviceMetrics& m, int page) {
    PageCanvas c(m);
    DrawListPage(c, Layout(), list, page, count);
    DrawConditions(c, snapshot);
    DrawTotals(c, snapshot, page, count);
    return c.Take();
  };
  return report;
}
