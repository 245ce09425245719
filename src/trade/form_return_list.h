#pragma once

#include "period_list_window.h"

class QCheckBox;
class QComboBox;

// The return lines of purchases or shipments over a period (返品明細一覧). The kind and
// the subtotal switch are kept from one use to the next.
class TFormReturnList : public TFormPeriodList {
  Q_OBJECT

 public:
  explicit TFormReturnList(Document& doc);

  QComboBox* ComboBoxKind = nullptr;
  QCheckBox* CheckBoxSubTotal = nullptr;
  QTableWidget* ListViewReturnList = nullptr;
  TSsEdit* SsEditTotalNum = nullptr;
  TSsEdit* SsEditTotalPrice = nullptr;

 protected:
  PeriodListView Compute(SlipPeriod period) override;
  std::string Csv(SlipPeriod period) const override;

 private:
  int Kind() const;
};
