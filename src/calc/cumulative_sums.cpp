#include "cumulative_sums.h"

#include "billing_period.h"
#include "slip_values.h"

namespace {

const CustomerRecord* FindPartner(const Document& doc, int mode, int32_t partnerId) {
  const CustomerList& partners = doc.Partners(mode);
  const int index = partners.IndexOf(partnerId);
  return index < 0 ? nullptr : &partners.Records()[static_cast<size_t>(index)];
}

}  // namespace

void AddUpTo(CumulativeSums& sums, double date, Money value, const BillingPeriod& period) {
  if (!UpTo(date, period.closing)) return;
  sums.current += value;
  if (UpTo(date, period.previousClosing)) sums.previous += value;
}

CumulativeSums CumulativeSales(const Document& doc, int32_t partnerId, int mode, double month) {
  const CustomerRecord* partner = FindPartner(doc, mode, partnerId);
  const Money opening = partner ? partner->openingBalance : Money{};
  CumulativeSums sums{opening, opening};
  const PartnerTerms terms = TermsOf(doc, mode, partnerId);
  const BillingPeriod period = BillingPeriodOf(terms.closingDay, month);
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  for (const Slip& slip : doc.slips.Slips()) {
    if (slip.partner != partnerId || !IsOfMode(slip, mode)) continue;
    if (!UpTo(slip.date, period.closing)) continue;
    AddUpTo(sums, slip.date, SlipValue(slip, items, rules, terms.rounding), period);
  }
  return sums;
}

CumulativeSums CumulativePayments(const Document& doc, int32_t partnerId, int mode, double month) {
  const CustomerRecord* partner = FindPartner(doc, mode, partnerId);
  const Money opening = partner ? partner->openingReceipts : Money{};
  CumulativeSums sums{opening, opening};
  const BillingPeriod period = BillingPeriodOf(TermsOf(doc, mode, partnerId).closingDay, month);
  for (const Payment& payment : doc.PaymentsOf(mode).Records()) {
    if (payment.partner == partnerId) AddUpTo(sums, payment.date, payment.amount, period);
  }
  return sums;
}
