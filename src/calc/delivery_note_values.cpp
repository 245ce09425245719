#include "delivery_note_values.h"

#include "slip_values.h"

namespace {

constexpr int kTaxExcluded = 0;
constexpr int kTaxIncluded = 1;

// The tax inside a tax-included amount: amount x rate / (100 + rate), to the money grain,
// then to whole yen by the method.
Money IncludedTax(Money amount, Money rate, int rounding) {
  const Money divisor = Money::FromInt(100) + rate;
  if (divisor.raw <= 0) return Money{};
  const Money exact =
      divisor.IsWhole()
          ? DivideRounded(amount * rate, divisor.WholePart())
          // A rate with decimals: through the factor, still to the grain.
          : amount * DivideRounded(Money::FromRaw(rate.raw * Money::kScale), divisor.raw);
  return RoundAmount(rounding, exact);
}

}  // namespace

DeliveryNoteValues ComputeDeliveryNote(const Document& doc, const Slip& slip, int rounding) {
  const ItemIndex items(doc.items);
  const Money rate = doc.taxes.RateAt(slip.date);
  const bool isReturn = IsReturnSlip(slip.kind);
  DeliveryNoteValues v;
  for (const SlipLine& line : slip.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    const Money amount = LineAmount(line, rounding);
    Money added;
    Money inside;
    if (item != nullptr && item->taxClass == kTaxExcluded) {
      added = LineValue(line, item, rate, rounding) - amount;
    } else if (item != nullptr && item->taxClass == kTaxIncluded) {
      inside = IncludedTax(amount, rate, rounding);
    }
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
    v.lines.push_back(out);
    v.subtotal += out.amount;
    v.tax += isReturn ? -(added + inside) : added + inside;
    v.total += isReturn ? -(amount + added) : amount + added;
  }
  return v;
}
