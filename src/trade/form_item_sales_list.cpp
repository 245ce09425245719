#include "form_item_sales_list.h"

#include "period_list_rows.h"
#include "print_hand_off.h"

TFormItemSalesList::TFormItemSalesList(Document& doc)
    : TFormSalesAnalysis(
          doc,
          SalesDesign(QStringLiteral("商品別明細一覧"), {832, 630},
                      {{QStringLiteral("商品コード"), 100},
                       {QStringLiteral("商品名"), 180},
                       {QStringLiteral("数量"), 100, true}},
                      QStringLiteral("金額"), QStringLiteral("金額合計"), kReportItemSales),
          SalesBy::Item) {}

PeriodListView TFormItemSalesList::Compute(SlipPeriod period) {
  return ItemSalesView(ComputeItemSales(Doc(), period, HideZero()));
}
