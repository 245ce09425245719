#include "claim_detail.h"

#include "billing_period.h"
#include "date_sort.h"
#include "list_limits.h"
#include "slip_values.h"

namespace {

constexpr char kReceiptName[] = "\x82\xb2\x93\xfc\x8b\xe0";  // ご入金 in CP932

bool InPeriod(double date, const BillingPeriod& period) {
  return UpTo(date, period.closing) && !UpTo(date, period.previousClosing);
}

std::vector<const Slip*> PeriodSlips(const Document& doc, int mode, int32_t partnerId,
                                     const BillingPeriod& period) {
  std::vector<const Slip*> kept;
  for (const Slip& slip : doc.slips.Slips()) {
    if (slip.partner != partnerId || !IsOfMode(slip, mode)) continue;
    if (InPeriod(slip.date, period)) kept.push_back(&slip);
  }
  // By date; slips of one day in the order they were entered.
  if (!kept.empty()) {
    SortRangeByDate(kept, 0, static_cast<int>(kept.size()) - 1, true,
                    [](const Slip* s) { return s->date; });
  }
  return kept;
}

void AddSlipRows(ClaimDetail& detail, const Slip& slip, const ItemIndex& items,
                 const TaxRules& rules) {
  const bool isReturn = IsReturnSlip(slip.kind);
  const int rounding = detail.terms.rounding;
  const DayRates day = rules.On(slip.date);
  bool first = true;
  for (const SlipLine& line : slip.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    // A return is the negated sale of the same line, so the detail and the claim list
    // (which subtracts the sale's value) agree to the yen.
    const Money amount = LineAmountInYen(line, rounding);
    ClaimDetailRow row;
    row.firstOfSlip = first;
    row.date = slip.date;
    row.slipId = slip.id;
    row.number = slip.number;
    row.product = line.product;
    if (item != nullptr) {
      row.name = item->name;
      row.unit = item->unit;
    }
    row.quantity = isReturn ? -line.quantity : line.quantity;
    row.price = line.price;
    row.amount = isReturn ? -amount : amount;
    row.note = line.note;
    row.reduced = rules.TakesReduced(item, day);
    detail.rows.push_back(std::move(row));
    first = false;
  }
  const SlipTaxes taxes = ComputeSlipTaxes(slip, items, rules, rounding);
  detail.sales += taxes.amount;
  detail.outerTax += taxes.outerTax;
  detail.innerTax += taxes.innerTax;
  AddRateTaxes(detail.rates, taxes.rates);
}

void AddReceiptRows(ClaimDetail& detail, const Document& doc, int mode,
                    const BillingPeriod& period) {
  for (const Payment& payment : doc.PaymentsOf(mode).Records()) {
    if (payment.partner != detail.partnerId || !InPeriod(payment.date, period)) continue;
    ClaimDetailRow row;
    row.receipt = true;
    row.firstOfSlip = true;
    row.date = payment.date;
    row.name = kReceiptName;
    row.amount = payment.amount;
    row.note = payment.note;
    detail.rows.push_back(std::move(row));
  }
}

void SetFigures(ClaimDetail& detail) {
  const CumulativeSums& s = detail.cumulativeSales;
  const CumulativeSums& p = detail.cumulativePayments;
  // Always the balance at the previous closing, so that the boxes add up on paper.
  detail.previousBalance = s.previous - p.previous;
  detail.received = p.current - p.previous;
  detail.carriedOver = detail.previousBalance - detail.received;
  detail.tax = detail.outerTax + detail.innerTax;
  detail.salesWithTax = detail.sales + detail.outerTax;
  const Money claimed = detail.carriedOver + detail.salesWithTax;
  detail.claimed = claimed < Money{} ? Money{} : claimed;
}

}  // namespace

ClaimDetail ComputeClaimDetail(const Document& doc, int mode, int32_t partnerId, double month) {
  CheckBillingMonth(month);
  ClaimDetail detail;
  detail.partnerId = partnerId;
  const CustomerList& partners = doc.Partners(mode);
  const int index = partners.IndexOf(partnerId);
  detail.partnerFound = index >= 0;
  if (detail.partnerFound) detail.partner = partners.Records()[static_cast<size_t>(index)];
  detail.terms = TermsOf(doc, mode, partnerId);
  const BillingPeriod period = BillingPeriodOf(detail.terms.closingDay, month);
  detail.closingDate = period.closing;
  detail.previousClosingDate = period.previousClosing;

  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  for (const Slip* slip : PeriodSlips(doc, mode, partnerId, period)) {
    AddSlipRows(detail, *slip, items, rules);
  }
  AddReceiptRows(detail, doc, mode, period);
  detail.cumulativeSales = CumulativeSales(doc, partnerId, mode, month);
  detail.cumulativePayments = CumulativePayments(doc, partnerId, mode, month);
  SetFigures(detail);
  return detail;
}
