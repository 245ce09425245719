#pragma once

#include <cstdint>
#include <optional>
#include <unordered_set>
#include <vector>

#include "document.h"
#include "id_index.h"

// The rates that apply on one day: the standard one, and the reduced one when in force.
struct DayRates {
  Money standard;
  std::optional<Money> reduced;
};

// Which rate each line takes and how a slip's tax is rounded: built once per computation
// from the document, so no line searches the reduced-rate products.
class TaxRules {
 public:
  explicit TaxRules(const Document& doc);

  DayRates On(double date) const;
  // A marked tax-excluded or tax-included product takes the reduced rate while one is in
  // force; every other product (and a missing one) the standard rate.
  bool TakesReduced(const ItemRecord* item, const DayRates& day) const;
  Money RateOf(const ItemRecord* item, const DayRates& day) const;
  // Qualified invoices: tax once per slip and rate instead of once per line.
  bool PerRate() const { return perRate_; }

 private:
  const TaxList& standard_;
  const TaxList& reduced_;
  std::unordered_set<int32_t> marked_;
  bool perRate_ = false;
};

// One rate's share of a slip or of a period: the amounts at that rate without tax, and
// its tax.
struct RateTax {
  Money rate;
  Money base;
  Money tax;
};

// A slip's figures; every one of them negated on returns.
struct SlipTaxes {
  Money amount;                // the sum of the line amounts
  Money outerTax;              // tax added to tax-excluded lines
  Money innerTax;              // tax inside tax-included lines, already part of `amount`
  Money total;                 // amount + outerTax: the slip's value everywhere
  std::vector<RateTax> rates;  // per rate, highest first; only when taxed per rate
};

// Per line (the rules' switch off: each line's tax rounded on its own) or per rate (on:
// the tax of each rate's excluded and included sums rounded once). Throws MoneyOverflow.
SlipTaxes ComputeSlipTaxes(const Slip& slip, const ItemIndex& items, const TaxRules& rules,
                           int rounding);

// Adds one slip's per-rate figures into a running list (a period's), highest rate first.
void AddRateTaxes(std::vector<RateTax>& into, const std::vector<RateTax>& from);

// The tax added to a tax-excluded amount at `rate` (percent), rounded by the method.
Money AddedTax(Money amount, Money rate, int rounding);

// Tax contained in a tax-included amount: amount x rate / (100 + rate) to the nearest
// 1/10000; 0 for a rate at or below -100, where the formula has no meaning.
Money ContainedTax(Money amount, Money rate);
