#include "list_report_frame.h"

#include <algorithm>

#include "report.h"

namespace {

constexpr double kLeft = 10;
constexpr double kRight = 200;
constexpr double kTableTop = 40;
constexpr double kHeadingRule = 51.5;
// Where a text set at `cell.at` goes and its room, in mm: kept kCellPadding inside the column
// rules around it.
struct CellPlace {
  double at = 0;
  double room = 0;
};

CellPlace PlaceOf(const ListCell& cell, const std::vector<double>& rules) {
  double left = kLeft;
  double right = kRight;
  for (double r : rules) {
    if (r <= cell.at) left = std::max(left, r);
    if (r > cell.at) right = std::min(right, r);
  }
  switch (cell.align) {
    case Align::Left: {
      const double at = std::max(cell.at, left + kCellPadding);
      return {at, right - kCellPadding - at};
    }
    case Align::Right: {
      const double at = std::min(cell.at, right - kCellPadding);
      return {at, at - (left + kCellPadding)};
    }
    case Align::Centre:
      return {cell.at, 2 * std::min(cell.at - left, right - cell.at) - 2 * kCellPadding};
  }
  return {};
}

QString CellText(const ListCell& cell, const QStringList& row) {
  QString text = cell.source < row.size() ? row[cell.source] : QString();
  if (cell.cutBytes > 0) text = CutToBytes(text, cell.cutBytes);
  if (cell.yen || (cell.yenWhenSet && !text.isEmpty())) text = WithYen(text);
  return text;
}

void DrawHeader(PageCanvas& c, const ListLayout& layout, const ListSnapshot& s, int page,
                int pageCount) {
  c.Text(Face::Gothic, layout.titleHeight, {Align::Left, c.X(kLeft), c.Y(15)}, s.title);
  c.Text(Face::Gothic, 3.5, {Align::Right, c.RightEdge(kRight), c.Y(15)},
         JapaneseDate(s.printDate));
  c.Text(Face::Gothic, 6, {Align::Right, c.RightEdge(kRight), c.Y(28)},
         QStringLiteral("%1/%2").arg(page).arg(pageCount));
}

void DrawTable(PageCanvas& c, const ListLayout& layout) {
  c.Rect(kLeft, kTableTop, kRight, layout.frameBottom, c.HeavyPen());
  const double down = layout.rulesDown > 0 ? layout.rulesDown : layout.frameBottom - kTableTop;
  for (double x : layout.rules) {
    c.LineDown(x, kTableTop, down, layout.heavyRules ? c.HeavyPen() : c.ThinPen());
  }
  for (const ListHeading& h : layout.headings) {
    c.Text(Face::Gothic, 4, {Align::Centre, c.X(h.centre), c.Y(43.75)}, h.text);
  }
  c.LineAcross(kLeft, kHeadingRule, kRight - kLeft, c.HeavyPen());
}

}  // namespace

QString JapaneseDate(const QDate& date) {
  return date.toString(QStringLiteral("yyyy年MM月dd日"));
}

QString WithYen(const QString& amount) {
  // The sign goes before the yen mark: "-\\2,500" reads as minus 2,500 yen.
  if (amount.startsWith(QLatin1Char('-'))) return QStringLiteral("-\\") + amount.mid(1);
  return QLatin1Char('\\') + amount;
}

void DrawListPage(PageCanvas& c, const ListLayout& layout, const ListSnapshot& s, int page,
                  int pageCount) {
  DrawHeader(c, layout, s, page, pageCount);
  DrawTable(c, layout);
  const RowRange range = RowsOnPage(static_cast<int>(s.rows.size()), layout.rowsPerPage, page);
  for (int i = 0; i < layout.rowsPerPage; ++i) {
    c.LineAcross(kLeft, {kHeadingRule, layout.rowHeight * i}, kRight - kLeft, c.ThinPen());
  }
  for (int r = range.first; r < range.end; ++r) {
    const int i = r - range.first;
    const int top = c.Y({kTableTop, layout.rowHeight * i, 11.5, layout.textInset});
    DrawRowCells(c, layout.cells, layout.rules, s.rows[static_cast<size_t>(r)], top);
  }
}

void DrawRowCells(PageCanvas& c, const std::vector<ListCell>& cells,
                  const std::vector<double>& rules, const QStringList& row, int top) {
  for (const ListCell& cell : cells) {
    const CellPlace place = PlaceOf(cell, rules);
    c.Text(cell.face, 3.5, {cell.align, c.X(place.at), top, c.LenX(place.room), cell.fit},
           CellText(cell, row));
  }
}
