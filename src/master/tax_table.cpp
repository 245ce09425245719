#include "tax_table.h"

#include "amount_text.h"
#include "date_convert.h"
#include "sjis_codec.h"

std::vector<QStringList> TaxRows(const TaxList& taxes) {
  std::vector<QStringList> rows;
  for (int i = 0; i < taxes.Count(); ++i) {
    const TaxRate r = taxes.Get(i);
    rows.push_back({QString(), FormattedAmount(r.rate) + QStringLiteral("%"),
                    ShortDateText(r.start),
                    r.end == -1 ? QStringLiteral("-") : ShortDateText(r.end)});
  }
  return rows;
}

std::optional<double> EarliestNewStart(const TaxList& taxes) {
  if (taxes.Count() == 0) return std::nullopt;
  return taxes.Get(taxes.Count() - 1).start + 1;
}

QString RateOfTheDayText(const TaxList& taxes, double day, const QString& term) {
  const QString date = ShortDateText(day);
  const std::optional<Money> rate = taxes.RateInForce(day);
  if (!rate) return QStringLiteral("本日（%1）に適用される%2はありません").arg(date, term);
  return QStringLiteral("本日（%1）の%2：%3%").arg(date, term, FormattedAmount(*rate));
}
