#include "form_customer_sales_list.h"

#include "amount_text.h"
#include "sales_analysis.h"
#include "sjis_codec.h"

TFormCustomerSalesList::TFormCustomerSalesList(Document& doc)
    : TFormSalesAnalysis(doc,
                         SalesDesign(QStringLiteral("出荷先別明細一覧"), {627, 630},
                                     {{QStringLiteral("出荷先名"), 180}}, QStringLiteral("売上額"),
                                     QStringLiteral("売上額合計"), 8)) {}

PeriodListView TFormCustomerSalesList::Compute(SlipPeriod period) {
  const CustomerSales sales = ComputeCustomerSales(Doc(), period, HideZero());
  PeriodListView view;
  view.rows.reserve(sales.rows.size());
  for (const CustomerSalesRow& r : sales.rows) {
    view.rows.push_back({FromSjis(r.name), FormattedAmount(r.sales), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.id)});
  }
  view.totals = {FormattedAmount(sales.totals.sales), FormattedAmount(sales.totals.cost),
                 FormattedAmount(sales.totals.profit)};
  return view;
}
