#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "money.h"
#include "report.h"

// What the claim list shows when its confirmation list is printed: the side, the month
// picked and the rows as displayed (name, amount, closing day, planned date) with the
// amounts they show.
struct ConfirmationListSnapshot {
  bool payments = false;  // the supplier side (支払); otherwise the customers' receipts
  QDate month;
  std::vector<QStringList> rows;
  std::vector<Money> values;  // one per row
  QDate printDate;
};

inline constexpr int kConfirmationListRowsPerPage = 18;

// The caption of the claim list's list-print button for the side.
QString ConfirmationListButtonText(bool payments);

// The payment / receipt confirmation list (report kind 5).
Report ConfirmationListReport(const ConfirmationListSnapshot& snapshot);
