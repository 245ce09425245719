#include "delivery_note_values.h"

#include "slip_values.h"

DeliveryNoteValues ComputeDeliveryNote(const Document& doc, const Slip& slip, int rounding) {
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  const DayRates day = rules.On(slip.date);
  const bool isReturn = IsReturnSlip(slip.kind);
  DeliveryNoteValues v;
  for (const SlipLine& line : slip.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    const Money amount = LineAmount(line, rounding);
    DeliveryNoteLine out;
    if (item != nullptr) {
      out.code = item->code;
      out.name = item->name;
      out.unit = item->unit;
    }
    out.quantity = isReturn ? -line.quantity : line.quantity;
    out.price = line.price;
    out.amount = isReturn ? -amount : amount;
    out.note = line.note;
    out.reduced = rules.TakesReduced(item, day);
    v.lines.push_back(out);
  }
  SlipTaxes taxes = ComputeSlipTaxes(slip, items, rules, rounding);
  v.subtotal = taxes.amount;
  v.tax = taxes.outerTax + taxes.innerTax;
  v.total = taxes.total;
  v.rates = std::move(taxes.rates);
  return v;
}
