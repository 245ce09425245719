#include "sjis_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr const char* kCodecName = "windows-31j";

bool IsLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The decoder drops a lone lead byte at the end without a trace.
bool EndsInHalfCharacter(std::string_view bytes) {
  size_t i = 0;
  while (i < bytes.size()) {
    if (!IsLeadByte(static_cast<unsigned char>(bytes[i]))) {
      ++i;
    } else if (i + 1 < bytes.size()) {
      i += 2;
    } else {
      return true;
    }
  }
  return false;
}

char16_t MapForSjis(char16_t c) {
  switch (c) {
    case u'\u301C':
      return u'\uFF5E';
    case u'\u2212':
      return u'\uFF0D';
    case u'\u2016':
      return u'\u2225';
    case u'\u2014':
      return u'\u2015';
    case u'\u00A2':
      return u'\uFFE0';
    case u'\u00A3':
      return u'\uFFE1';
    case u'\u00AC':
      return u'\uFFE2';
    // The half-width yen sign and overline are what the Japanese faces draw for 0x5C and
    // 0x7E, so CP932 text on Windows holds them as those bytes.
    case u'\u00A5':
      return u'\u005C';
    case u'\u203E':
      return u'\u007E';
    default:
      return c;
  }
}

}  // namespace

QString FromSjis(std::string_view bytes) {
  QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (EndsInHalfCharacter(bytes)) text.append(QChar::ReplacementCharacter);
  return text;
}

QString NormalizeForSjis(const QString& text) {
  QString mapped = text;
  for (QChar& c : mapped) c = QChar(MapForSjis(c.unicode()));
  return mapped;
}

std::optional<std::string> ToSjis(const QString& text) {
  QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
  const QByteArray bytes = encoder.encode(NormalizeForSjis(text));
  // The encoder writes a substitute for what it cannot map and only reports it here.
  if (!encoder.isValid() || encoder.hasError()) return std::nullopt;
  return bytes.toStdString();
}

bool CanEncodeSjis(const QString& text) {
  return ToSjis(text).has_value();
}
