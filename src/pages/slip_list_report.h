#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "money.h"
#include "report.h"

// What the slip list shows when its list is printed: the rows as displayed (date, slip
// number, amount) with the amounts they show, the period cell, the partner tab and the
// total field.
struct SlipListSnapshot {
  QString period = QStringLiteral("-");  // "-" when the period filter is off
  QString partner;
  std::vector<QStringList> rows;
  std::vector<Money> values;  // one per row
  QString total;
  QDate printDate;
};

inline constexpr int kSlipListRowsPerPage = 32;

// The period cell: yyyy/MM/dd～yyyy/MM/dd.
QString PeriodText(const QDate& from, const QDate& to);

// The slip list (納品書一覧, report kind 2).
Report SlipListReport(const SlipListSnapshot& snapshot);
