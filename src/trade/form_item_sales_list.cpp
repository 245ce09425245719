#include "form_item_sales_list.h"

#include "amount_text.h"
#include "sales_analysis.h"
#include "sjis_codec.h"

TFormItemSalesList::TFormItemSalesList(Document& doc)
    : TFormSalesAnalysis(doc, SalesDesign(QStringLiteral("商品別明細一覧"), {832, 630},
                                          {{QStringLiteral("商品コード"), 100},
                                           {QStringLiteral("商品名"), 180},
                                           {QStringLiteral("数量"), 100, true}},
                                          QStringLiteral("金額"), QStringLiteral("金額合計"), 7)) {}

PeriodListView TFormItemSalesList::Compute(SlipPeriod period) {
  const ItemSales sales = ComputeItemSales(Doc(), period, HideZero());
  PeriodListView view;
  view.rows.reserve(sales.rows.size());
  for (const ItemSalesRow& r : sales.rows) {
    view.rows.push_back({FromSjis(r.code), FromSjis(r.name), FormattedAmount(r.quantity),
                         FormattedAmount(r.amount), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.id)});
  }
  view.totals = {FormattedAmount(sales.amount), FormattedAmount(sales.cost),
                 FormattedAmount(sales.profit)};
  return view;
}
