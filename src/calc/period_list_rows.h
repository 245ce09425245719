#pragma once

#include <QStringList>

#include <vector>

#include "return_list.h"
#include "sales_analysis.h"
#include "shown_list.h"

// What a computation shows: the rows' texts (the sales lists end with their hidden id
// column) and the total fields' texts in order.
struct PeriodListView {
  std::vector<ShownColumn> columns;
  std::vector<QStringList> rows;
  QStringList totals;
};

// The four period lists as their windows show them, so tenpo-cli prints the same texts.
PeriodListView ItemSalesView(const ItemSales& sales);
PeriodListView CustomerSalesView(const CustomerSales& sales);
PeriodListView DateSalesView(const DateSales& sales);
PeriodListView ReturnListView(const ReturnList& list);
// The rows under their columns, for a spreadsheet.
ShownList AsShown(const PeriodListView& view);
