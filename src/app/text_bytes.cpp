#include "text_bytes.h"

#include "sjis_codec.h"

std::string TextBytes(const QString& text) {
  if (std::optional<std::string> bytes = ToSjis(text)) return *bytes;
  QString kept;
  for (const QChar c : NormalizeForSjis(text)) {
    if (CanEncodeSjis(QString(c))) kept += c;
  }
  return ToSjis(kept).value_or(std::string());
}
