#include "sales_analysis_window.h"

#include <QCheckBox>
#include <QDateEdit>

TFormSalesAnalysis::TFormSalesAnalysis(Document& doc, const PeriodListDesign& design, SalesBy by)
    : TFormPeriodList(doc, design), by_(by) {
  CheckBoxZero = new QCheckBox(QStringLiteral("売上が0の場合は表示しない"), this);
  CheckBoxZero->setObjectName(QStringLiteral("CheckBoxZero"));
  AddFilters({CheckBoxZero});
  connect(CheckBoxZero, &QCheckBox::toggled, this, &TFormPeriodList::FilterChange);
  ListViewSalesList = ListView();
  SsEditTotalPrice = TotalField(0);
  SsEditTotalCost = TotalField(1);
  SsEditTotalProfit = TotalField(2);
}

void TFormSalesAnalysis::ResetFilters() {
  CheckBoxZero->setChecked(false);
}

bool TFormSalesAnalysis::HideZero() const {
  return CheckBoxZero->isChecked();
}

std::string TFormSalesAnalysis::Csv(SlipPeriod period) const {
  return SalesShownCsv(Doc(), {by_, period, HideZero()});
}

void TFormSalesAnalysis::DateTimePickerFromChange() {
  if (DateTimePickerFrom->date() > DateTimePickerTo->date()) {
    DateTimePickerTo->setDate(DateTimePickerFrom->date());
  }
  FilterChange();
}

void TFormSalesAnalysis::DateTimePickerToChange() {
  if (DateTimePickerTo->date() < DateTimePickerFrom->date()) {
    DateTimePickerFrom->setDate(DateTimePickerTo->date());
  }
  FilterChange();
}

PeriodListDesign SalesDesign(const QString& caption, QSize size, std::vector<ListColumn> first,
                             const QString& amountCaption, const QString& totalLabel, int report) {
  PeriodListDesign d;
  d.caption = caption;
  d.clientSize = size;
  d.listName = QStringLiteral("ListViewSalesList");
  d.columns = std::move(first);
  d.columns.push_back({amountCaption, 120, true});
  d.columns.push_back({QStringLiteral("原価"), 120, true});
  d.columns.push_back({QStringLiteral("粗利益"), 120, true});
  d.columns.push_back({QStringLiteral("id"), 0});
  d.hiddenLastColumn = true;
  d.totals = {{QStringLiteral("SsEditTotalPrice"), totalLabel},
              {QStringLiteral("SsEditTotalCost"), QStringLiteral("原価合計")},
              {QStringLiteral("SsEditTotalProfit"), QStringLiteral("粗利益合計")}};
  d.report = report;
  return d;
}
