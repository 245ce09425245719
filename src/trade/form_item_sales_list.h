#pragma once

#include "sales_analysis_window.h"

// Sales by product over a period (商品別明細一覧).
class TFormItemSalesList : public TFormSalesAnalysis {
  Q_OBJECT

 public:
  explicit TFormItemSalesList(Document& doc);

 protected:
  PeriodListView Compute(SlipPeriod period) override;
};
