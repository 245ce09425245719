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

QString InnerTaxLine(Money innerTax) {
  if (innerTax == Money()) return {};
  return QStringLiteral("（うち内消費税 %1）").arg(WithYen(FormattedAmount(innerTax)));
}

const QStringList& RateTableHeadings() {
  static const QStringList headings{QStringLiteral("税率"), QStringLiteral("対象額（税抜）"),
                                    QStringLiteral("消費税額")};
  return headings;
}

std::vector<QStringList> RateTableRows(const std::vector<RateTax>& rates) {
  std::vector<QStringList> rows;
  for (const RateTax& r : rates) {
    rows.push_back({FormattedAmount(r.rate) + QLatin1Char('%'), WithYen(FormattedAmount(r.base)),
                    WithYen(FormattedAmount(r.tax))});
  }
  return rows;
}

QStringList TaxNoteLines(const QString& innerTax, const std::vector<QStringList>& rateRows,
                         bool marked) {
  QStringList notes;
  if (!innerTax.isEmpty()) notes << innerTax;
  const QStringList& h = RateTableHeadings();
  for (const QStringList& r : rateRows) {
    notes << QStringLiteral("%1 %2　%3 %4　%5 %6")
                 .arg(h[0], r.value(0), h[1], r.value(1), h[2], r.value(2));
  }
  if (marked) notes << kReducedLegend;
  return notes;
}
