#include "claim_detail.h"

#include <limits>

#include "billing_period.h"
#include "date_sort.h"
#include "slip_values.h"

namespace {

__extension__ typedef __int128 Wide;

constexpr int32_t kTaxExcluded = 0;
constexpr int32_t kTaxIncluded = 1;
constexpr char kReceiptName[] = "\x82\xb2\x93\xfc\x8b\xe0";  // ご入金 in CP932

// n / d (d > 0) to the nearest integer, ties to even.
Wide DivideNearestEven(Wide n, Wide d) {
  Wide q = n / d;
  Wide r = n % d;
  if (r < 0) {
    q -= 1;
    r += d;
  }
  if (2 * r > d || (2 * r == d && q % 2 != 0)) q += 1;
  return q;
}

bool InPeriod(double date, const BillingPeriod& period) {
  return UpTo(date, period.closing) && !UpTo(date, period.previousClosing);
}

std::vector<const Slip*> PeriodSlips(const Document& doc, int mode, int32_t partnerId,
                                     const BillingPeriod& period) {
  std::vector<const Slip*> kept;
  for (const Slip& slip : doc.slips.Slips()) {
    if (slip.partner != partnerId || (slip.kind != mode && slip.kind != mode + 2)) continue;
    if (InPeriod(slip.date, period)) kept.push_back(&slip);
  }
  // The document's quicksort on pointers: the order the window's working list gets.
  if (!kept.empty()) {
    SortRangeByDate(kept, 0, static_cast<int>(kept.size()) - 1, true,
                    [](const Slip* s) { return s->date; });
  }
  return kept;
}

void AddSlipRows(ClaimDetail& detail, const Slip& slip, const ItemIndex& items, Money rate) {
  const bool isReturn = IsReturnSlip(slip.kind);
  const int rounding = detail.terms.rounding;
  bool first = true;
  for (const SlipLine& line : slip.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    // A return is the negated sale of the same line, so the detail and the claim list
    // (which subtracts the sale's value) agree to the yen.
    const Money amount = isReturn ? -LineAmount(line, rounding) : LineAmount(line, rounding);
    const Money value =
        isReturn ? -LineValue(line, item, rate, rounding) : LineValue(line, item, rate, rounding);
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
    row.amount = amount;
    row.note = line.note;
    detail.rows.push_back(std::move(row));
    detail.sales += amount;
    if (item != nullptr && item->taxClass == kTaxExcluded) detail.outerTax += value - amount;
    if (item != nullptr && item->taxClass == kTaxIncluded) {
      detail.innerTax += RoundAmount(rounding, ContainedTax(amount, rate));
    }
    first = false;
  }
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

Money ContainedTax(Money amount, Money rate) {
  const Wide denominator = static_cast<Wide>(rate.raw) + 100 * Money::kScale;
  if (denominator <= 0) return Money{};
  const Wide q = DivideNearestEven(static_cast<Wide>(amount.raw) * rate.raw, denominator);
  if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min()) {
    throw MoneyOverflow("Money product out of range");
  }
  return Money::FromRaw(static_cast<int64_t>(q));
}

ClaimDetail ComputeClaimDetail(const Document& doc, int mode, int32_t partnerId, double month) {
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
  for (const Slip* slip : PeriodSlips(doc, mode, partnerId, period)) {
    AddSlipRows(detail, *slip, items, doc.taxes.RateAt(slip->date));
  }
  AddReceiptRows(detail, doc, mode, period);
  detail.cumulativeSales = CumulativeSales(doc, partnerId, mode, month);
  detail.cumulativePayments = CumulativePayments(doc, partnerId, mode, month);
  SetFigures(detail);
  return detail;
}
