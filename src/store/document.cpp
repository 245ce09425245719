#include "document.h"

#include "config.h"

void ResetDocument(Document& doc) {
  for (GroupList& g : doc.groups) g.Clear();
  doc.units.Clear();
  doc.taxes.Clear();
  doc.items.Clear();
  doc.suppliers.Clear();
  doc.customers.Clear();
  doc.slips.Clear();
  doc.lineNotes.Clear();
  doc.receipts.Clear();
  doc.payments.Clear();
  doc.filePath.clear();
  doc.company = CompanySettings{};
  doc.useBackup = ReadBackupSwitch();
  doc.usePassword = false;
  doc.password.clear();
}

namespace {

// 1 + rate / 100, the quotient rounded to 1/10000 like every Money value.
Money TaxFactor(Money rate) {
  int64_t q = rate.raw / 100;
  const int64_t r = rate.raw % 100;
  const int64_t twice = 2 * (r < 0 ? -r : r);
  if (twice > 100 || (twice == 100 && q % 2 != 0)) q += rate.raw < 0 ? -1 : 1;
  return Money::FromInt(1) + Money::FromRaw(q);
}

constexpr int32_t kTaxExcluded = 0;

}  // namespace

Money SlipTotal(const Document& doc, int32_t slipId, int rounding) {
  const Slip* found = doc.slips.Find(slipId);
  if (found == nullptr) return Money{};
  const Slip& slip = *found;
  Money total;
  for (int i = 0; i < slip.LineCount(); ++i) {
    const int itemIndex = doc.items.IndexOf(slip.GetLine(i).product);
    Money a = RoundAmount(rounding, slip.LineAmount(i));
    // A product that no longer exists adds no tax rather than failing the whole total.
    if (itemIndex >= 0 &&
        doc.items.Records()[static_cast<size_t>(itemIndex)].taxClass == kTaxExcluded) {
      a = RoundAmount(rounding, a * TaxFactor(doc.taxes.RateAt(slip.date)));
    }
    if (IsReturnSlip(slip.kind)) {
      total -= a;
    } else {
      total += a;
    }
  }
  return total;
}
