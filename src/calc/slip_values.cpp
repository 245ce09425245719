#include "slip_values.h"

#include <cmath>

#include "date_sort.h"

namespace {

constexpr int32_t kTaxExcluded = 0;

bool BelongsToList(const Slip& slip, int mode, int32_t partnerId,
                   const std::optional<SlipPeriod>& period) {
  if (slip.partner != partnerId) return false;
  if (!IsOfMode(slip, mode)) return false;
  return !period || period->Holds(slip.date);
}

}  // namespace

PartnerTerms TermsOf(const Document& doc, int partnerKind, int32_t partnerId) {
  const CustomerList& partners = doc.Partners(partnerKind);
  const int index = partners.IndexOf(partnerId);
  if (index < 0) {
    CustomerRecord companyBased;
    companyBased.basis = kBasisCompany;
    return EffectiveTerms(doc.company, companyBased);
  }
  return EffectiveTerms(doc.company, partners.Records()[static_cast<size_t>(index)]);
}

Money PriceFactor(const CustomerRecord& partner) {
  return DivideRounded(partner.priceRate, 100);
}

Money DefaultUnitPrice(const ItemRecord& item, Money factor, int decimals) {
  return TruncDecimals(decimals, item.price * factor);
}

Money LineAmountInYen(const SlipLine& line, int rounding) {
  return RoundAmount(rounding, line.price * line.quantity);
}

Money LineValue(const SlipLine& line, const ItemRecord* item, Money rate, int rounding) {
  const Money amount = LineAmountInYen(line, rounding);
  if (item == nullptr || item->taxClass != kTaxExcluded) return amount;
  return amount + AddedTax(amount, rate, rounding);
}

Money SlipValue(const Slip& slip, const ItemIndex& items, const TaxRules& rules, int rounding) {
  return ComputeSlipTaxes(slip, items, rules, rounding).total;
}

Money SlipTotal(const Document& doc, int32_t slipId, int rounding) {
  const Slip* slip = doc.slips.Find(slipId);
  if (slip == nullptr) return Money{};
  return SlipValue(*slip, ItemIndex(doc.items), TaxRules(doc), rounding);
}

SlipListRows ComputeSlipList(const Document& doc, int mode, int32_t partnerId,
                             std::optional<SlipPeriod> period) {
  // Pointers by date, slips of one day in the order they were entered, without copying
  // the slips.
  std::vector<const Slip*> kept;
  for (const Slip& slip : doc.slips.Slips()) {
    if (BelongsToList(slip, mode, partnerId, period)) kept.push_back(&slip);
  }
  if (!kept.empty()) {
    SortRangeByDate(kept, 0, static_cast<int>(kept.size()) - 1, true,
                    [](const Slip* s) { return s->date; });
  }
  const int rounding = TermsOf(doc, mode, partnerId).rounding;
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  SlipListRows result;
  result.rows.reserve(kept.size());
  for (const Slip* slip : kept) {
    const Money total = SlipValue(*slip, items, rules, rounding);
    result.rows.push_back({slip->id, slip->date, slip->number, slip->kind, total, slip});
    result.total += total;
  }
  return result;
}

std::vector<SlipDetailRow> ComputeSlipDetail(const Document& doc, const Slip& slip, int rounding) {
  return ComputeSlipDetail(ItemIndex(doc.items), slip, rounding);
}

std::vector<SlipDetailRow> ComputeSlipDetail(const ItemIndex& items, const Slip& slip,
                                             int rounding) {
  std::vector<SlipDetailRow> rows;
  rows.reserve(slip.Lines().size());
  for (const SlipLine& line : slip.Lines()) {
    SlipDetailRow row;
    row.product = line.product;
    if (const ItemRecord* item = items.Find(line.product)) {
      row.code = item->code;
      row.name = item->name;
      row.unit = item->unit;
    }
    row.quantity = line.quantity;
    row.price = line.price;
    row.amount = LineAmountInYen(line, rounding);
    row.note = line.note;
    rows.push_back(std::move(row));
  }
  return rows;
}

bool SlipPeriod::Holds(double date) const {
  const double day = std::floor(date);
  return day >= std::floor(from) && day <= std::floor(to);
}
