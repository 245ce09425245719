#pragma once

#include "sales_analysis_window.h"

// Sales by customer over a period (出荷先別明細一覧).
class TFormCustomerSalesList : public TFormSalesAnalysis {
  Q_OBJECT

 public:
  explicit TFormCustomerSalesList(Document& doc);

 protected:
  PeriodListView Compute(SlipPeriod period) override;
};
