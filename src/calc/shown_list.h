#pragma once

#include <QStringList>
#include <string>
#include <vector>

// How a list column's cells are shown in its window and written to a spreadsheet.
enum class ShownKind {
  Text,
  Amount,      // grouped in the window, without grouping in a CSV so it reads as a number
  Date,        // "yyyy/MM/dd"
  MonthDay,    // kept as "yyyy/MM/dd", shown "MM/dd"
  MonthDayJp,  // kept as "yyyy/MM/dd", shown "MM月dd日"
  Hidden,      // an id the window keeps out of sight and a CSV leaves out
};

struct ShownColumn {
  QString caption;
  ShownKind kind = ShownKind::Text;
};

// A computed list as its window lists it: the columns and one row of cells per listed
// row, dates kept with their year.
struct ShownList {
  std::vector<ShownColumn> columns;
  std::vector<QStringList> rows;
};

// The rows' texts as the window shows them.
std::vector<QStringList> ShownTexts(const ShownList& list);
// The captions of the columns a window shows.
QStringList VisibleCaptions(const ShownList& list);
// The list as a spreadsheet gets it: the visible columns under their captions, amounts
// without grouping, dates with their year; UTF-8 with a byte-order mark, CR LF. A cell
// whose stored bytes were no CP932 text throws SlipListError rather than being written
// changed.
std::string ShownCsv(const ShownList& list);
