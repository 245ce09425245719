#include "confirmation_list_report.h"

#include "amount_text.h"
#include "file_names.h"
#include "list_report_frame.h"

namespace {

ListLayout LayoutFor(bool payments) {
  ListLayout l;
  l.titleHeight = 7.5;
  l.rowsPerPage = kConfirmationListRowsPerPage;
  l.rowHeight = 12;
  l.textInset = 4.25;
  l.frameBottom = 267.5;
  l.rules = {60, 90, 112, 134, 164};
  l.heavyRules = true;
  l.rulesDown = 227.5;
  l.headings = {{QStringLiteral("取引先名"), 35},
                {payments ? QStringLiteral("支払金額") : QStringLiteral("請求金額"), 75},
                {payments ? QStringLiteral("支払予定日") : QStringLiteral("入金予定日"), 101},
                {payments ? QStringLiteral("支払日") : QStringLiteral("入金日"), 123},
                {payments ? QStringLiteral("支払金額") : QStringLiteral("入金金額"), 149},
                {QStringLiteral("備考"), 182}};
  // The columns from 112 on stay empty: they are filled in by hand.
  l.cells = {{0, Face::PGothic, Align::Left, 10.5, 28, Fit::Cut},
             {1, Face::Gothic, Align::Right, 89.5, 0, Fit::Squeeze},
             {3, Face::Gothic, Align::Centre, 101, 0, Fit::Squeeze}};
  return l;
}

void DrawMonth(PageCanvas& c, const QDate& month) {
  c.Rect(10, 28, 99, 34.5, c.ThinPen());
  c.LineDown(29, 28, 6.5, c.ThinPen());
  const int top = c.Y(29.5);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(19.5), top}, QStringLiteral("対象期間"));
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(64), top, c.LenX(69), Fit::Squeeze},
         month.toString(QStringLiteral("yyyy年MM月")));
}

// Every page but the last carries its own total; the last one the whole list's.
void DrawTotals(PageCanvas& c, const ConfirmationListSnapshot& s, int page, int count) {
  const int heavy = c.HeavyPen();
  for (double y : {267.5, 279.5}) c.LineAcross(10, y, 190, heavy);
  for (double x : {10.0, 60.0, 90.0, 134.0, 164.0, 200.0}) c.LineDown(x, 267.5, 12, heavy);
  const bool last = page == count;
  const RowRange range =
      RowsOnPage(static_cast<int>(s.values.size()), kConfirmationListRowsPerPage, page);
  Money total;
  for (int r = last ? 0 : range.first; r < range.end; ++r)
    total += s.values[static_cast<size_t>(r)];
  const int top = c.Y(271.75);
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(35), top},
         last ? QStringLiteral("合計") : QStringLiteral("ページ内合計"));
  c.Text(Face::Gothic, 3.5, {Align::Centre, c.X(75), top, c.LenX(28), Fit::Squeeze},
         WithYen(FormattedAmount(total)));
}

}  // namespace

QString ConfirmationListButtonText(bool payments) {
  return payments ? QStringLiteral("支払確認一覧印刷") : QStringLiteral("入金確認一覧印刷");
}

Report ConfirmationListReport(const ConfirmationListSnapshot& snapshot) {
  Report report;
  report.jobSuffix = QLatin1Char(' ') + ConfirmationListButtonText(snapshot.payments);
  report.nameParts = {
      snapshot.payments ? QStringLiteral("支払確認一覧") : QStringLiteral("入金確認一覧"),
      YearMonthText(snapshot.month)};
  report.pageCount =
      PageCountOf(static_cast<int>(snapshot.rows.size()), kConfirmationListRowsPerPage);
  const ListSnapshot list{
      snapshot.payments ? QStringLiteral("支払確認一覧") : QStringLiteral("入金確認一覧"),
      snapshot.rows, snapshot.printDate};
  report.draw = [snapshot, list, layout = LayoutFor(snapshot.payments), count = report.pageCount](
                    const DeviceMetrics& m, int page) {
    PageCanvas c(m);
    DrawListPage(c, layout, list, page, count);
    DrawMonth(c, snapshot.month);
    DrawTotals(c, snapshot, page, count);
    return c.Take();
  };
  return report;
}
