#include "amount_typing.h"

#include <QStringList>

#include "amount_text.h"

QString AmountWhileTyping(const QString& text) {
  static const QStringList started = {QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("."),
                                      QStringLiteral("-."), QStringLiteral("+.")};
  if (IsAmountText(text) || started.contains(text)) return text;
  return QStringLiteral("0");
}
