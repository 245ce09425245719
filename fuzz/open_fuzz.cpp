// Any bytes as a data file: opened or refused, never fatal. An opened file saves, reopens
// and saves again to the same bytes; a refused one leaves the document as it was.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "data_file.h"
#include "dates.h"

namespace {

#ifdef TENPO_FUZZ_PASSWORD
const std::optional<std::string> kAnswer = TENPO_FUZZ_PASSWORD;
#else
const std::optional<std::string> kAnswer;
#endif

const OpenPrompts kPrompts{[] { return kAnswer; }, [](const QString&) {}};

// Something in the document, so that a half-done load would show.
Document Before() {
  Document doc;
  doc.company.name = "before";
  doc.units.Add("pc");
  doc.taxes.Add(EncodeDate(2014, 4, 1), Money::FromInt(8));
  doc.filePath = QStringLiteral("/before.TLG");
  return doc;
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  static const Document before = Before();
  static const std::string beforeBytes = SerializeDocument(before);
  Document doc = before;
  if (OpenDocumentBytes(doc, bytes, QStringLiteral("f.TLG"), kPrompts) != OpenResult::Opened) {
    Check(SerializeDocument(doc) == beforeBytes && doc.filePath == before.filePath);
    return 0;
  }
  Check(doc.filePath == before.filePath);
  const std::string saved = SerializeDocument(doc);
  Document again;
  Check(OpenDocumentBytes(again, saved, QStringLiteral("f.TLG"), kPrompts) == OpenResult::Opened);
  Check(SerializeDocument(again) == saved);
  return 0;
}
