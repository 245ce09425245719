#pragma once

#include <cstdint>

class SlipList;

// Paying in the closing month itself, the payment day may not come before the closing day.
// Days are list positions, so a payment at the month's end (0) always passes, and so does
// any payment day against a closing day at the month's end (also 0).
bool BreaksSameMonthRule(int closingDay, int payMonth, int payDay);

// Whether a slip of the partner's kind (its purchases or shipments, or their returns)
// refers to the partner; such a partner may not be deleted. Payments do not count.
bool PartnerHasSlips(const SlipList& slips, int partnerKind, int32_t partnerId);
