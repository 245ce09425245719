#include "slip_taxes.h"

#include <algorithm>
#include <limits>

#include "slip_values.h"

namespace {

__extension__ typedef __int128 Wide;

constexpr int32_t kTaxExcluded = 0;
constexpr int32_t kTaxIncluded = 1;

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

bool Taxed(const ItemRecord* item) {
  return item != nullptr && (item->taxClass == kTaxExcluded || item->taxClass == kTaxIncluded);
}

// The excluded and included sums of one rate, before their tax is rounded.
struct RateSums {
  Money rate;
  Money excluded;
  Money included;
};

RateSums& SumsOf(std::vector<RateSums>& sums, Money rate) {
  for (RateSums& s : sums) {
    if (s.rate == rate) return s;
  }
  sums.push_back({rate, {}, {}});
  return sums.back();
}

// Rounds the tax of one sum (a rate's, or a single line's), adds it to the slip's taxes
// and gives that rate's figures.
RateTax AddTaxOf(SlipTaxes& t, const RateSums& s, int rounding) {
  const Money outer = AddedTax(s.excluded, s.rate, rounding);
  const Money inner = RoundAmount(rounding, ContainedTax(s.included, s.rate));
  t.outerTax += outer;
  t.innerTax += inner;
  return {s.rate, s.excluded + s.included - inner, outer + inner};
}

// Per line each taxed line is rounded on its own; per rate the lines are summed by rate
// first and each sum is rounded once.
SlipTaxes SaleTaxes(const Slip& slip, const ItemIndex& items, const TaxRules& rules, int rounding) {
  const DayRates day = rules.On(slip.date);
  std::vector<RateSums> sums;
  SlipTaxes t;
  for (const SlipLine& line : slip.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    const Money amount = LineAmountInYen(line, rounding);
    t.amount += amount;
    if (!Taxed(item)) continue;
    const Money rate = rules.RateOf(item, day);
    const bool excluded = item->taxClass == kTaxExcluded;
    if (!rules.PerRate()) {
      AddTaxOf(t, {rate, excluded ? amount : Money{}, excluded ? Money{} : amount}, rounding);
      continue;
    }
    RateSums& s = SumsOf(sums, rate);
    (excluded ? s.excluded : s.included) += amount;
  }
  std::sort(sums.begin(), sums.end(),
            [](const RateSums& a, const RateSums& b) { return b.rate < a.rate; });
  for (const RateSums& s : sums) t.rates.push_back(AddTaxOf(t, s, rounding));
  return t;
}

void Negate(SlipTaxes& t) {
  t.amount = -t.amount;
  t.outerTax = -t.outerTax;
  t.innerTax = -t.innerTax;
  for (RateTax& r : t.rates) {
    r.base = -r.base;
    r.tax = -r.tax;
  }
}

}  // namespace

TaxRules::TaxRules(const Document& doc)
    : standard_(doc.taxes),
      reduced_(doc.invoice.reducedRates),
      marked_(doc.invoice.reducedItems.begin(), doc.invoice.reducedItems.end()),
      perRate_(doc.invoice.enabled) {}

DayRates TaxRules::On(double date) const {
  DayRates day;
  day.standard = standard_.RateAt(date);
  if (!marked_.empty()) day.reduced = reduced_.RateInForce(date);
  return day;
}

bool TaxRules::TakesReduced(const ItemRecord* item, const DayRates& day) const {
  return day.reduced && Taxed(item) && marked_.contains(item->id);
}

Money TaxRules::RateOf(const ItemRecord* item, const DayRates& day) const {
  return TakesReduced(item, day) ? *day.reduced : day.standard;
}

SlipTaxes ComputeSlipTaxes(const Slip& slip, const ItemIndex& items, const TaxRules& rules,
                           int rounding) {
  SlipTaxes t = SaleTaxes(slip, items, rules, rounding);
  if (IsReturnSlip(slip.kind)) Negate(t);
  t.total = t.amount + t.outerTax;
  return t;
}

void AddRateTaxes(std::vector<RateTax>& into, const std::vector<RateTax>& from) {
  for (const RateTax& r : from) {
    auto it = std::find_if(into.begin(), into.end(),
                           [&](const RateTax& known) { return !(known.rate > r.rate); });
    if (it != into.end() && it->rate == r.rate) {
      it->base += r.base;
      it->tax += r.tax;
    } else {
      into.insert(it, r);
    }
  }
}

Money AddedTax(Money amount, Money rate, int rounding) {
  // 1 + rate / 100 to the nearest 1/10000, as the tax factor always was.
  const Money factor = Money::FromInt(1) + DivideRounded(rate, 100);
  return RoundAmount(rounding, amount * factor) - amount;
}

Money ContainedTax(Money amount, Money rate) {
  const Wide denominator = static_cast<Wide>(rate.raw) + 100 * Money::kScale;
  if (denominator <= 0) return Money{};
  const Wide q = DivideNearestEven(static_cast<Wide>(amount.raw) * rate.raw, denominator);
  if (q > std::numeric_limits<int64_t>::max() || q < std::numeric_limits<int64_t>::min()) {
    throw MoneyOverflow("Money product out of range");
  }
  return Money::FromRaw(static_cast<int64_t>(q));
}
