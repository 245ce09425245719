#include "trade_forms.h"

#include "form_claim_detail.h"
#include "form_claim_list.h"
#include "form_payment_add.h"
#include "form_payment_list.h"
#include "form_slip_add.h"
#include "form_slip_list.h"

void AddTradeForms(FormFactories& factories) {
  factories[FormId::SlipList] = [](Document& doc) { return new TFormSlipList(doc); };
  factories[FormId::SlipAdd] = [](Document& doc) { return new TFormSlipAdd(doc); };
  factories[FormId::PaymentList] = [](Document& doc) { return new TFormPaymentList(doc); };
  factories[FormId::PaymentAdd] = [](Document& doc) { return new TFormPaymentAdd(doc); };
  factories[FormId::ClaimList] = [](Document& doc) { return new TFormClaimList(doc); };
  factories[FormId::ClaimDetail] = [](Document& doc) { return new TFormClaimDetail(doc); };
}
