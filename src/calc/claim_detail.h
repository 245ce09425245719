#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "cumulative_sums.h"
#include "partner_terms.h"
#include "slip_taxes.h"

// One row of the claim detail: a slip line, or a receipt after all slip lines.
struct ClaimDetailRow {
  bool receipt = false;
  bool firstOfSlip = false;  // date and slip number are shown on a slip's first line only
  double date = 0;           // the slip's or receipt's date
  int32_t slipId = -1;       // -1 for receipts
  std::string number;        // the slip number (CP932)
  int32_t product = -1;      // -1 for receipts
  std::string name;          // product name, or "ご入金" for receipts (CP932)
  Money quantity;            // negated on returns
  std::string unit;
  Money price;
  Money amount;  // the line amount in whole yen, negative on returns; the receipt amount
  std::string note;
  bool reduced = false;  // the product took the reduced rate
};

// The invoice figures and rows of one partner and month.
struct ClaimDetail {
  int32_t partnerId = 0;
  bool partnerFound = false;
  CustomerRecord partner;  // copy for the printed address block
  PartnerTerms terms;
  double closingDate = 0;
  double previousClosingDate = 0;
  CumulativeSums cumulativeSales;
  CumulativeSums cumulativePayments;
  Money sales;                 // sum of the listed line amounts, returns negative
  Money outerTax;              // tax added to tax-excluded lines
  Money innerTax;              // tax contained in tax-included lines; already in `sales`
  std::vector<RateTax> rates;  // the slips' per-rate figures summed; when taxed per rate

  Money previousBalance;  // 前月累計: Sp - Pp
  Money received;         // 今月入金: Pc - Pp
  Money carriedOver;      // 繰越額: 前月累計 - 今月入金
  Money tax;              // 消費税: outer + inner tax
  Money salesWithTax;     // 今月請求額: sales + outer tax
  Money claimed;          // 請求額: carried over + sales with tax, 0 when below zero

  std::vector<ClaimDetailRow> rows;
};

// The slips (oldest first) and receipts (in recorded order) of the period for the partner
// of the mode (the claim list opens it for customers, mode 1). Throws MoneyOverflow.
ClaimDetail ComputeClaimDetail(const Document& doc, int mode, int32_t partnerId, double month);
