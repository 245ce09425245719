#pragma once

#include <QDate>
#include <QStringList>

#include <vector>

#include "list_report_frame.h"
#include "report.h"

// What a period list prints, taken from its window as shown.
struct ListReportSnapshot {
  int report = 0;  // the printer-choice kind: 7 by product, 8 by customer, 9 by day, 10 returns
  double from = 0;
  double to = 0;
  std::vector<QStringList> rows;  // the visible columns' texts
  QStringList totals;             // the total fields' texts, in the window's order
  QDate printDate;
};

// The sales by product, by customer and by day and the return list: the period, the rows
// and, on the last page only, the totals. Throws std::invalid_argument for another kind.
Report PeriodListReport(const ListReportSnapshot& snapshot);

// The table of each kind, for tests that check every text stays in its column.
const ListLayout& PeriodListLayout(int report);
