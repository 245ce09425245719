#pragma once

#include "period_list_window.h"

class QCheckBox;

// The three sales analyses: the zero switch, pickers kept in order, three total fields.
class TFormSalesAnalysis : public TFormPeriodList {
  Q_OBJECT

 public:
  TFormSalesAnalysis(Document& doc, const PeriodListDesign& design, SalesBy by);

  QCheckBox* CheckBoxZero = nullptr;
  QTableWidget* ListViewSalesList = nullptr;
  TSsEdit* SsEditTotalPrice = nullptr;
  TSsEdit* SsEditTotalCost = nullptr;
  TSsEdit* SsEditTotalProfit = nullptr;

 public slots:
  void DateTimePickerFromChange() override;
  void DateTimePickerToChange() override;

 protected:
  void ResetFilters() override;
  bool HideZero() const;
  std::string Csv(SlipPeriod period) const override;

 private:
  SalesBy by_;
};

// The columns and totals every sales analysis shares after its own first columns.
PeriodListDesign SalesDesign(const QString& caption, QSize size, std::vector<ListColumn> first,
                             const QString& amountCaption, const QString& totalLabel, int report);
