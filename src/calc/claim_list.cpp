#include "claim_list.h"

#include <unordered_map>

#include "billing_period.h"
#include "list_limits.h"
#include "slip_values.h"

namespace {

// What one partner id collects in the single pass.
struct PartnerSums {
  PartnerTerms terms;
  BillingPeriod period;
  CumulativeSums sales;
  CumulativeSums payments;
};

// Nothing owed at the closing date and nothing sold in the period.
bool LeftOut(const CumulativeSums& sales, const CumulativeSums& payments) {
  return payments.current == sales.current && sales.current == sales.previous;
}

ClaimListRow MakeRow(const CustomerRecord& partner, const PartnerTerms& terms,
                     const BillingPeriod& period, const CumulativeSums& sales,
                     const CumulativeSums& payments, double month) {
  ClaimListRow row;
  row.id = partner.id;
  row.name = partner.name;
  row.amount = payments.current > sales.current ? Money{} : sales.current - payments.current;
  row.closingDay = terms.closingDay;
  row.closingDayText = ClosingDayCaption(terms.closingDay);
  row.dueDate = PaymentDueDate(terms, month);
  row.dueText = DueDateCaption(row.dueDate);
  row.closingDate = period.closing;
  row.previousClosingDate = period.previousClosing;
  row.sales = sales;
  row.payments = payments;
  return row;
}

}  // namespace

std::vector<ClaimListRow> ComputeClaimList(const Document& doc, int mode, double month) {
  CheckBillingMonth(month);
  const CustomerList& partners = doc.Partners(mode);
  // Partner id -> its terms, period and sums; the first record of a repeated id (damaged
  // file) gives the terms, as IndexOf would find it.
  std::unordered_map<int32_t, PartnerSums> byId;
  byId.reserve(partners.Records().size());
  for (const CustomerRecord& partner : partners.Records()) {
    if (byId.contains(partner.id)) continue;
    PartnerSums sums;
    sums.terms = EffectiveTerms(doc.company, partner);
    sums.period = BillingPeriodOf(sums.terms.closingDay, month);
    sums.sales = {partner.openingBalance, partner.openingBalance};
    sums.payments = {partner.openingReceipts, partner.openingReceipts};
    byId.emplace(partner.id, sums);
  }
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  for (const Slip& slip : doc.slips.Slips()) {
    if (!IsOfMode(slip, mode)) continue;
    const auto it = byId.find(slip.partner);
    if (it == byId.end() || !UpTo(slip.date, it->second.period.closing)) continue;
    PartnerSums& sums = it->second;
    AddUpTo(sums.sales, slip.date, SlipValue(slip, items, rules, sums.terms.rounding), sums.period);
  }
  for (const Payment& payment : doc.PaymentsOf(mode).Records()) {
    const auto it = byId.find(payment.partner);
    if (it != byId.end())
      AddUpTo(it->second.payments, payment.date, payment.amount, it->second.period);
  }
  std::vector<ClaimListRow> rows;
  for (const CustomerRecord& partner : partners.Records()) {
    const PartnerSums& sums = byId.at(partner.id);
    if (LeftOut(sums.sales, sums.payments)) continue;
    rows.push_back(MakeRow(partner, sums.terms, sums.period, sums.sales, sums.payments, month));
  }
  return rows;
}

std::optional<ClaimListRow> ComputeClaimListRow(const Document& doc, int mode, int32_t partnerId,
                                                double month) {
  const CustomerList& partners = doc.Partners(mode);
  const int index = partners.IndexOf(partnerId);
  if (index < 0) return std::nullopt;
  const CumulativeSums sales = CumulativeSales(doc, partnerId, mode, month);
  const CumulativeSums payments = CumulativePayments(doc, partnerId, mode, month);
  if (LeftOut(sales, payments)) return std::nullopt;
  const CustomerRecord& partner = partners.Records()[static_cast<size_t>(index)];
  const PartnerTerms terms = EffectiveTerms(doc.company, partner);
  return MakeRow(partner, terms, BillingPeriodOf(terms.closingDay, month), sales, payments, month);
}
