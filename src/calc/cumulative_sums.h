#pragma once

#include <cstdint>

#include "billing_period.h"
#include "document.h"

// Sums from the beginning of the records up to the previous closing date and up to the
// closing date of a month.
struct CumulativeSums {
  Money previous;
  Money current;
  friend bool operator==(const CumulativeSums&, const CumulativeSums&) = default;
};

// What the partner owes: its opening carry-over balance plus the value with tax of every
// slip of the mode (0 purchases: kinds 0 and 2; 1 shipments: kinds 1 and 3) up to each
// closing date, returns subtracted. Whole yen. Throws MoneyOverflow.
CumulativeSums CumulativeSales(const Document& doc, int32_t partnerId, int mode, double month);
// What the partner paid: its opening receipt balance plus every record of the mode's list
// (0 payments, 1 receipts) up to each closing date. Throws MoneyOverflow.
CumulativeSums CumulativePayments(const Document& doc, int32_t partnerId, int mode, double month);

// Adds a dated value to current when it lies up to the closing date, and to previous too
// when it lies up to the previous closing date.
void AddUpTo(CumulativeSums& sums, double date, Money value, const BillingPeriod& period);
