#pragma once

#include <cstdint>

class PaymentList;
class SlipList;

// Paying in the closing month itself, the payment day may not come before the closing day.
// Days are list positions, so a payment at the month's end (0) always passes, and so does
// any payment day against a closing day at the month's end (also 0).
bool BreaksSameMonthRule(int closingDay, int payMonth, int payDay);

// Whether a slip of the partner's kind (its purchases or shipments, or their returns)
// refers to the partner; such a partner may not be deleted.
bool PartnerHasSlips(const SlipList& slips, int partnerKind, int32_t partnerId);
// Whether a payment or receipt of the list refers to the partner. Such a partner may not be
// deleted either: ids come back, and a new partner would take over its records.
bool PartnerHasPayments(const PaymentList& payments, int32_t partnerId);
