#include "form_return_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "form_controls.h"
#include "period_list_rows.h"
#include "print_hand_off.h"

namespace {

PeriodListDesign ReturnDesign() {
  PeriodListDesign d;
  d.caption = QStringLiteral("返品明細一覧");
  d.clientSize = {892, 630};
  d.listName = QStringLiteral("ListViewReturnList");
  d.columns = {{QStringLiteral("商品コード"), 100}, {QStringLiteral("商品名"), 180},
               {QStringLiteral("数量"), 80, true},  {QStringLiteral("単価"), 80, true},
               {QStringLiteral("金額"), 120, true}, {QStringLiteral("日付"), 95},
               {QStringLiteral("取引先名"), 150}};
  d.totals = {{QStringLiteral("SsEditTotalNum"), QStringLiteral("数量合計")},
              {QStringLiteral("SsEditTotalPrice"), QStringLiteral("金額合計")}};
  d.report = kReportReturnList;
  return d;
}

}  // namespace

TFormReturnList::TFormReturnList(Document& doc) : TFormPeriodList(doc, ReturnDesign()) {
  ComboBoxKind = PickList(this, QStringLiteral("ComboBoxKind"),
                          {QStringLiteral("仕入"), QStringLiteral("出荷")});
  ComboBoxKind->setCurrentIndex(0);
  CheckBoxSubTotal = new QCheckBox(QStringLiteral("得意先毎に小計を計算する"), this);
  CheckBoxSubTotal->setObjectName(QStringLiteral("CheckBoxSubTotal"));
  AddFilters({new QLabel(QStringLiteral("区分"), this), ComboBoxKind, CheckBoxSubTotal});
  connect(ComboBoxKind, &QComboBox::currentIndexChanged, this, &TFormPeriodList::FilterChange);
  connect(CheckBoxSubTotal, &QCheckBox::toggled, this, &TFormPeriodList::FilterChange);
  ListViewReturnList = ListView();
  SsEditTotalNum = TotalField(0);
  SsEditTotalPrice = TotalField(1);
}

int TFormReturnList::Kind() const {
  return ComboBoxKind->currentIndex() == 1 ? kCustomerKind : kSupplierKind;
}

PeriodListView TFormReturnList::Compute(SlipPeriod period) {
  return ReturnListView(ComputeReturnList(Doc(), Kind(), period, CheckBoxSubTotal->isChecked()));
}

std::string TFormReturnList::Csv(SlipPeriod period) const {
  return ReturnsShownCsv(Doc(), {Kind(), period, CheckBoxSubTotal->isChecked()});
}
