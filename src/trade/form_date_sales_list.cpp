#include "form_date_sales_list.h"

#include "period_list_rows.h"
#include "print_hand_off.h"

TFormDateSalesList::TFormDateSalesList(Document& doc)
    : TFormSalesAnalysis(
          doc,
          SalesDesign(QStringLiteral("日付別明細一覧"), {627, 630}, {{QStringLiteral("日付"), 120}},
                      QStringLiteral("売上額"), QStringLiteral("売上額合計"), kReportDateSales),
          SalesBy::Date) {}

PeriodListView TFormDateSalesList::Compute(SlipPeriod period) {
  return DateSalesView(ComputeDateSales(Doc(), period, HideZero()));
}
