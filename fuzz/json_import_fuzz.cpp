// Any bytes as tenpo-cli import input: accepted or refused, never fatal. An accepted JSON
// saves to a file that opens, and exports back to a document that saves the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "data_file.h"
#include "json_export.h"
#include "json_import.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::string Saved(Document& doc) {
  if (doc.usePassword) doc.password = "fuzz";
  return SerializeDocument(doc);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Document doc;
  try {
    doc = JsonToDocument(
        ParseImportJson(std::string_view(reinterpret_cast<const char*>(data), size)));
  } catch (const ImportError&) {
    return 0;
  }
  const std::string saved = Saved(doc);
  Document back = JsonToDocument(DocumentToJson(doc));
  Check(Saved(back) == saved);

  const OpenPrompts prompts{[] { return std::optional<std::string>("fuzz"); },
                            [](const QString&) {}};
  Document opened;
  Check(OpenDocumentBytes(opened, saved, QStringLiteral("f.TLG"), prompts) == OpenResult::Opened);
  Check(SerializeDocument(opened) == saved);
  return 0;
}
