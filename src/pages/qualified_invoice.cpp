#include "qualified_invoice.h"

#include "amount_text.h"
#include "document.h"
#include "list_report_frame.h"
#include "sjis_codec.h"

QString RegistrationLine(const Document& doc) {
  const InvoiceSettings& s = doc.invoice;
  if (!s.enabled || s.registrationNumber.empty()) return {};
  return QStringLiteral("登録番号 ") + FromSjis(s.registrationNumber);
}

QStringList RateSummaryLines(const std::vector<RateTax>& rates) {
  QStringList lines;
  for (const RateTax& r : rates) {
    lines << QStringLiteral("%1%対象 %2 消費税 %3")
                 .arg(FormattedAmount(r.rate), WithYen(FormattedAmount(r.base)),
                      WithYen(FormattedAmount(r.tax)));
  }
  return lines;
}
