#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "page_canvas.h"

// Texts keep this far (mm) from the rules on either side, so that a figure never reads
// as one number with its neighbour across a rule.
inline constexpr double kCellPadding = 1.0;

// One text of a row: which column of the window's row it shows and how it is set.
struct ListCell {
  int source = 0;  // 0 the caption, n sub-item n - 1
  Face face = Face::PGothic;
  Align align = Align::Left;
  double at = 0;     // mm: left edge, right edge or centre
  int cutBytes = 0;  // 0: not cut by bytes
  Fit fit = Fit::Cut;
  bool yen = false;         // the text follows "\" (0x5C, the yen sign of the two faces)
  bool yenWhenSet = false;  // only when the cell is not empty
};

struct ListHeading {
  QString text;
  double centre = 0;
};

// The table of a list report: what every list report has in common, the parts that
// differ given as data.
struct ListLayout {
  double titleHeight = 7.5;
  int rowsPerPage = 32;
  double rowHeight = 6.3;
  double textInset = 1.4;  // from the row rule to the top of the row texts
  double frameBottom = 253.1;
  std::vector<double> rules;  // x of the column rules
  bool heavyRules = false;
  double rulesDown = 0;  // 0: down to the frame's bottom
  std::vector<ListHeading> headings;
  std::vector<ListCell> cells;
};

// What the window shows: the title, the rows as displayed (caption first) and the day it
// is printed.
struct ListSnapshot {
  QString title;
  std::vector<QStringList> rows;
  QDate printDate;
};

// yyyy年MM月dd日, as the documents print dates.
QString JapaneseDate(const QDate& date);
// The amount after the yen sign byte.
QString WithYen(const QString& amount);

// The texts of one row at `top` (device pixels), each fitted between the rules around it
// (the table runs from 10 to 200 mm).
void DrawRowCells(PageCanvas& canvas, const std::vector<ListCell>& cells,
                  const std::vector<double>& rules, const QStringList& row, int top);

// Title, print date, page number, table frame, headings and the rows of this page.
void DrawListPage(PageCanvas& canvas, const ListLayout& layout, const ListSnapshot& snapshot,
                  int page, int pageCount);
