#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "document.h"
#include "id_index.h"
#include "partner_terms.h"
#include "slip_taxes.h"

// The terms a computation applies to a partner (its own or the company's, by its
// basis); the company's terms when no partner has that id.
PartnerTerms TermsOf(const Document& doc, int partnerKind, int32_t partnerId);

// Price factor of a partner: its price rate / 100, to the nearest 1/10000.
Money PriceFactor(const CustomerRecord& partner);
// The unit price a new line starts from: base price x factor, cut to the decimals.
Money DefaultUnitPrice(const ItemRecord& item, Money factor, int decimals);

// A line's amount without tax: price x quantity brought to whole yen by the method,
// as on a sale (returns negate it where they are summed).
Money LineAmountInYen(const SlipLine& line, int rounding);
// The line's value with tax: the rounded amount, plus the tax of a tax-excluded product
// at `rate` (percent), rounded again. A missing product (nullptr) adds no tax.
Money LineValue(const SlipLine& line, const ItemRecord* item, Money rate, int rounding);
// The slip's amount with tax (ComputeSlipTaxes' total), negative for returns (kinds 2
// and 3). Every computation here throws MoneyOverflow when a product or sum leaves the
// money range.
Money SlipValue(const Slip& slip, const ItemIndex& items, const TaxRules& rules, int rounding);

// SlipValue of the stored slip with that id at the method; 0 when no slip has the id.
Money SlipTotal(const Document& doc, int32_t slipId, int rounding);

// Whole days, both ends included.
struct SlipPeriod {
  double from = 0;
  double to = 0;
  // Whether the day of `date` lies in the period.
  bool Holds(double date) const;
};

struct SlipListRow {
  int32_t id = 0;
  double date = 0;
  std::string number;
  int32_t kind = 0;
  Money total;                 // with tax, negative for returns
  const Slip* slip = nullptr;  // the stored slip; valid until the document changes
};

struct SlipListRows {
  std::vector<SlipListRow> rows;
  Money total;
};

// One partner's slips of a mode (0 purchase: kinds 0 and 2; 1 shipment: kinds 1 and 3),
// within the period when one is given, oldest first in the order the slip list shows
// them, each totalled at the partner's rounding.
SlipListRows ComputeSlipList(const Document& doc, int mode, int32_t partnerId,
                             std::optional<SlipPeriod> period);

struct SlipDetailRow {
  int32_t product = 0;
  std::string code;  // code, name and unit are blank when the product no longer exists
  std::string name;
  std::string unit;
  Money quantity;
  Money price;
  Money amount;  // LineAmountInYen, without tax
  std::string note;
};

// The lines of one slip as the slip list's detail shows them.
std::vector<SlipDetailRow> ComputeSlipDetail(const Document& doc, const Slip& slip, int rounding);
// The same over an index built once, for callers that list many slips.
std::vector<SlipDetailRow> ComputeSlipDetail(const ItemIndex& items, const Slip& slip,
                                             int rounding);
