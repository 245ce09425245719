#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <string_view>

#include "field_stream.h"
#include "tax_list.h"

// The qualified-invoice settings; kept in a block after the last list so that files
// which leave them at their defaults stay as they always were.
struct InvoiceSettings {
  bool enabled = false;
  std::string registrationNumber;  // CP932; "T" and 13 digits when set
  TaxList reducedRates = DefaultReducedRates();
  std::set<int32_t> reducedItems;  // product ids

  // True when nothing differs from a new document: then no block is written.
  bool IsDefault() const;
};

// "T" followed by exactly 13 digits.
bool IsRegistrationNumber(std::string_view text);

// The block: two plain fields (mark, version), then the settings with `key`. Version 1
// keeps issued documents; version 2 adds the switch, written only when it is off, so
// files that never turned it off stay as they were.
void WriteInvoiceBlock(ByteWriter& w, const FieldKey& key, const InvoiceSettings& s,
                       bool keepIssued = true);
// Reads one whole block; false on anything else (a foreign mark, a version or a field
// that does not fit).
bool ReadInvoiceBlock(ByteReader& r, const FieldKey& key, InvoiceSettings& s, bool& keepIssued);
