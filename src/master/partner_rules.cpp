#include "partner_rules.h"

#include "payment_list.h"
#include "slip.h"

bool PartnerHasSlips(const SlipList& slips, int partnerKind, int32_t partnerId) {
  for (const Slip& slip : slips.Slips()) {
    const bool ofKind = IsOfMode(slip, partnerKind);
    if (ofKind && slip.partner == partnerId) return true;
  }
  return false;
}

bool PartnerHasPayments(const PaymentList& payments, int32_t partnerId) {
  for (const Payment& payment : payments.Records()) {
    if (payment.partner == partnerId) return true;
  }
  return false;
}
