#pragma once

#include "sales_analysis_window.h"

// Sales by day over a period (日付別明細一覧).
class TFormDateSalesList : public TFormSalesAnalysis {
  Q_OBJECT

 public:
  explicit TFormDateSalesList(Document& doc);

 protected:
  PeriodListView Compute(SlipPeriod period) override;
};
