#include "form_customer_sales_list.h"

#include "period_list_rows.h"
#include "print_hand_off.h"

TFormCustomerSalesList::TFormCustomerSalesList(Document& doc)
    : TFormSalesAnalysis(doc,
                         SalesDesign(QStringLiteral("出荷先別明細一覧"), {627, 630},
                                     {{QStringLiteral("出荷先名"), 180}}, QStringLiteral("売上額"),
                                     QStringLiteral("売上額合計"), kReportCustomerSales),
                         SalesBy::Customer) {}

PeriodListView TFormCustomerSalesList::Compute(SlipPeriod period) {
  return CustomerSalesView(ComputeCustomerSales(Doc(), period, HideZero()));
}
