#pragma once

#include <cstdint>

class PaymentList;
class SlipList;

#include "term_choices.h"  // BreaksSameMonthRule

// Whether a slip of the partner's kind (its purchases or shipments, or their returns)
// refers to the partner; such a partner may not be deleted.
bool PartnerHasSlips(const SlipList& slips, int partnerKind, int32_t partnerId);
// Whether a payment or receipt of the list refers to the partner. Such a partner may not be
// deleted either: ids come back, and a new partner would take over its records.
bool PartnerHasPayments(const PaymentList& payments, int32_t partnerId);
