#include "payment_rows.h"

#include "billing_period.h"
#include "date_sort.h"
#include "slip_values.h"

PaymentRows ComputePaymentRows(const Document& doc, int mode, int32_t partnerId) {
  PaymentRows result;
  result.termsLabel = PaymentTermsLabel(TermsOf(doc, mode, partnerId));
  const CustomerList& partners = doc.Partners(mode);
  const int index = partners.IndexOf(partnerId);
  if (index >= 0) {
    result.openingBalance = partners.Records()[static_cast<size_t>(index)].openingReceipts;
  }
  for (const Payment& payment : doc.PaymentsOf(mode).Records()) {
    if (payment.partner == partnerId) result.records.push_back(payment);
  }
  if (!result.records.empty()) {
    SortRangeByDate(result.records, 0, static_cast<int>(result.records.size()) - 1, true,
                    [](const Payment& p) { return p.date; });
  }
  return result;
}
