#include "form_date_sales_list.h"

#include "amount_text.h"
#include "date_convert.h"
#include "sales_analysis.h"

TFormDateSalesList::TFormDateSalesList(Document& doc)
    : TFormSalesAnalysis(doc, SalesDesign(QStringLiteral("日付別明細一覧"), {627, 630},
                                          {{QStringLiteral("日付"), 120}}, QStringLiteral("売上額"),
                                          QStringLiteral("売上額合計"), 9)) {}

PeriodListView TFormDateSalesList::Compute(SlipPeriod period) {
  const DateSales sales = ComputeDateSales(Doc(), period, HideZero());
  PeriodListView view;
  view.rows.reserve(sales.rows.size());
  for (const DateSalesRow& r : sales.rows) {
    view.rows.push_back({ShortDateText(r.date), FormattedAmount(r.sales), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.position)});
  }
  view.totals = {FormattedAmount(sales.totals.sales), FormattedAmount(sales.totals.cost),
                 FormattedAmount(sales.totals.profit)};
  return view;
}
