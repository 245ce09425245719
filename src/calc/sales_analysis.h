#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document.h"
#include "slip_values.h"

// The three sales analyses: shipments (kind 1) add and shipment returns (kind 3)
// subtract; purchases are ignored. Amounts are without tax; every sum raises
// MoneyOverflow when it leaves the range.

struct ItemSalesRow {
  int32_t id = 0;
  std::string code;
  std::string name;
  Money quantity;  // net of returns
  Money amount;    // line amounts rounded by each slip's customer
  Money cost;      // net quantity x the product's cost, to the 1/100 the list shows
  Money profit;    // amount - cost
};

struct ItemSales {
  std::vector<ItemSalesRow> rows;
  // Sums of the rows' figures.
  Money amount;
  Money cost;
  Money profit;
};

// One row per product in list order; with hideZero a product whose amount is 0 is left
// out. Lines naming a product that no longer exists have no row and count nowhere.
ItemSales ComputeItemSales(const Document& doc, SlipPeriod period, bool hideZero);

struct CustomerSalesRow {
  int32_t id = 0;
  std::string name;
  Money sales;
  Money cost;  // per line: quantity x cost, rounded by the customer's method
  Money profit;
};

struct SalesTotals {
  Money sales;
  Money cost;
  Money profit;
};

struct CustomerSales {
  std::vector<CustomerSalesRow> rows;
  SalesTotals totals;
};

// One row per customer in list order. Slips of a customer that no longer exists have no
// row; a line whose product no longer exists adds its amount with no cost.
CustomerSales ComputeCustomerSales(const Document& doc, SlipPeriod period, bool hideZero);

struct DateSalesRow {
  int position = 0;  // day of the period, 0 = From
  double date = 0;
  Money sales;
  Money cost;
  Money profit;
};

struct DateSales {
  std::vector<DateSalesRow> rows;
  SalesTotals totals;
};

// One row per day from From to To, oldest first; nothing when From is after To. A slip
// whose customer no longer exists counts at the company's rounding; a line whose
// product no longer exists adds its amount with no cost.
DateSales ComputeDateSales(const Document& doc, SlipPeriod period, bool hideZero);
