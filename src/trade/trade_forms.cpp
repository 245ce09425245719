#include "trade_forms.h"

#include "form_claim_detail.h"
#include "form_claim_list.h"
#include "form_customer_sales_list.h"
#include "form_date_sales_list.h"
#include "form_item_sales_list.h"
#include "form_monthly_trend.h"
#include "form_payment_add.h"
#include "form_payment_list.h"
#include "form_return_list.h"
#include "form_slip_add.h"
#include "form_slip_list.h"

void AddTradeForms(FormFactories& factories) {
  factories[FormId::SlipList] = [](Document& doc) { return new TFormSlipList(doc); };
  factories[FormId::SlipAdd] = [](Document& doc) { return new TFormSlipAdd(doc); };
  factories[FormId::PaymentList] = [](Document& doc) { return new TFormPaymentList(doc); };
  factories[FormId::PaymentAdd] = [](Document& doc) { return new TFormPaymentAdd(doc); };
  factories[FormId::ClaimList] = [](Document& doc) { return new TFormClaimList(doc); };
  factories[FormId::ClaimDetail] = [](Document& doc) { return new TFormClaimDetail(doc); };
  factories[FormId::ItemSalesList] = [](Document& doc) { return new TFormItemSalesList(doc); };
  factories[FormId::CustomerSalesList] = [](Document& doc) {
    return new TFormCustomerSalesList(doc);
  };
  factories[FormId::DateSalesList] = [](Document& doc) { return new TFormDateSalesList(doc); };
  factories[FormId::ReturnList] = [](Document& doc) { return new TFormReturnList(doc); };
  factories[FormId::MonthlyTrend] = [](Document& doc) { return new TFormMonthlyTrend(doc); };
}
