#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "slip_values.h"

struct ReturnRow {
  bool subtotal = false;
  std::string code;  // blank on a subtotal row and when the product no longer exists
  std::string name;  // the partner's name and " 小計" on a subtotal row
  Money quantity;
  Money price;   // none on a subtotal row
  Money amount;  // price x quantity, not rounded to yen
  double date = 0;
  std::string partner;  // blank on a subtotal row
};

struct ReturnList {
  std::vector<ReturnRow> rows;
  Money quantity;
  Money amount;
};

// The return lines of a partner kind (0 purchase returns of suppliers, 1 shipment
// returns of customers) within the period: partners in list order, their slips in
// stored order, lines in order; with subtotals each partner that had rows ends with a
// subtotal row. Slips of a partner that no longer exists are not listed.
ReturnList ComputeReturnList(const Document& doc, int partnerKind, SlipPeriod period,
                             bool subtotals);
