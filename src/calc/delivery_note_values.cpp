#include "delivery_note_values.h"

#include "slip_values.h"

DeliveryNoteValues ComputeDeliveryNote(const Document& doc, const Slip& slip, int rounding) {
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  const DayRates day = rules.On(slip.date);
  const bool isReturn = IsReturnSlip(slip.kind);
  DeliveryNoteValues v;
  for (const SlipDetailRow& row : ComputeSlipDetail(items, slip, rounding)) {
    // A return prints as the negated sale of the same lines.
    v.lines.push_back({row.code, row.name, row.unit, isReturn ? -row.quantity : row.quantity,
                       row.price, isReturn ? -row.amount : row.amount, row.note,
                       rules.TakesReduced(items.Find(row.product), day)});
  }
  SlipTaxes taxes = ComputeSlipTaxes(slip, items, rules, rounding);
  v.subtotal = taxes.amount;
  v.tax = taxes.outerTax;
  v.innerTax = taxes.innerTax;
  v.total = taxes.total;
  v.rates = std::move(taxes.rates);
  return v;
}
