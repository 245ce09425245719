#include "amount_text.h"

#include <QStringList>

#include "sjis_codec.h"

std::optional<Money> AmountOf(const QString& text) {
  const std::optional<std::string> bytes = ToSjis(text);
  if (!bytes) return std::nullopt;
  try {
    return ParseAmount(*bytes);
  } catch (const ConvertError&) {
    return std::nullopt;
  }
}

bool IsAmountText(const QString& text) {
  return AmountOf(text).has_value();
}

QString CleanedAmountText(const QString& text) {
  QString clean = text;
  clean.remove(QLatin1Char('(')).remove(QLatin1Char(')')).remove(QLatin1Char(','));
  return clean;
}

QString ReformattedAmountText(const QString& text, int decimals) {
  if (!IsAmountText(text)) return QStringLiteral("0");
  return QString::fromLatin1(ReformatAmount(*ToSjis(text), decimals));
}

QString FormattedAmount(Money v) {
  return QString::fromLatin1(FormatAmount(v));
}
