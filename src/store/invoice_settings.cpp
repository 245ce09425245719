#include "invoice_settings.h"

#include <algorithm>

namespace {
constexpr std::string_view kBlockMark = "TENPOEXT";
constexpr std::string_view kBlockVersion = "1";
constexpr std::string_view kSwitchVersion = "2";

bool SameRates(const TaxList& a, const TaxList& b) {
  if (a.Count() != b.Count()) return false;
  for (int i = 0; i < a.Count(); ++i) {
    if (!(a.Get(i) == b.Get(i))) return false;
  }
  return true;
}
}  // namespace

bool InvoiceSettings::IsDefault() const {
  return !enabled && registrationNumber.empty() && reducedItems.empty() &&
         SameRates(reducedRates, DefaultReducedRates());
}

bool IsRegistrationNumber(std::string_view text) {
  return text.size() == 14 && text[0] == 'T' &&
         std::all_of(text.begin() + 1, text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void WriteInvoiceBlock(ByteWriter& w, const FieldKey& key, const InvoiceSettings& s,
                       bool keepIssued) {
  const FieldKey plain;
  FieldOut head(w, plain);
  head.Text(kBlockMark);
  head.Text(keepIssued ? kBlockVersion : kSwitchVersion);
  FieldOut out(w, key);
  out.Bool(s.enabled);
  out.Text(s.registrationNumber);
  s.reducedRates.SaveToStream(w, key);
  out.Int(static_cast<int64_t>(s.reducedItems.size()));
  for (int32_t id : s.reducedItems) out.Int(id);
  if (!keepIssued) out.Bool(false);
}

bool ReadInvoiceBlock(ByteReader& r, const FieldKey& key, InvoiceSettings& s, bool& keepIssued) {
  try {
    const FieldKey plain;
    FieldIn head(r, plain);
    if (head.Text() != kBlockMark) return false;
    const std::string version = head.Text();
    if (version != kBlockVersion && version != kSwitchVersion) return false;
    FieldIn in(r, key);
    s.enabled = in.Bool();
    s.registrationNumber = in.Text();
    if (!s.reducedRates.LoadFromStream(r, key)) return false;
    const int32_t count = in.Count(1);
    s.reducedItems.clear();
    for (int32_t i = 0; i < count; ++i) {
      // A repeated id would not come back as written.
      if (!s.reducedItems.insert(in.Int()).second) return false;
    }
    keepIssued = version == kBlockVersion || in.Bool();
    // Never written so, and saving would drop it: the file would not come back as read.
    return version == kBlockVersion ? !s.IsDefault() : !keepIssued;
  } catch (const std::exception&) {
    return false;
  }
}
