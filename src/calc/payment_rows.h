#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "document.h"

// What the payment list window shows for one partner.
struct PaymentRows {
  QString termsLabel;            // LabelPeriod
  Money openingBalance;          // row 0: the opening receipt balance
  std::vector<Payment> records;  // the partner's records, oldest first
};

// Mode 0 payments to suppliers, 1 receipts from customers. A partner id that does not
// exist gives the company's terms, balance 0 and its records, if any.
PaymentRows ComputePaymentRows(const Document& doc, int mode, int32_t partnerId);
