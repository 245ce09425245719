#pragma once

#include <QString>

#include "partner_terms.h"

// A partner's billing period for a month: after the previous closing date, up to and
// including the closing date (whole days).
struct BillingPeriod {
  double previousClosing = 0;
  double closing = 0;
};

// The closing day in the month of `month` (any date of it; the time is ignored), or the
// last day of that month for day 0. Days past the month's end also give its last day.
double ClosingDate(int closingDay, double month);
// The closing date of the month before.
double PreviousClosingDate(int closingDay, double month);
BillingPeriod BillingPeriodOf(int closingDay, double month);
// The day payment is due for `month`: the month moved forward by the payment month, on
// the payment day or the last day of that month for day 0. Counted from the month, not
// from the closing date.
double PaymentDueDate(const PartnerTerms& terms, double month);

// Whether `date` falls up to and including `closing` (whole days).
bool UpTo(double date, double closing);

// "20日", or "月末" for day 0.
QString ClosingDayCaption(int closingDay);
// The due date as the claim list shows it: "05月31日".
QString DueDateCaption(double due);
// The payment list's terms label: "20日締 翌月 月末払い " (each part followed by a space).
QString PaymentTermsLabel(const PartnerTerms& terms);
