#include "monthly_trend.h"

#include <climits>
#include <unordered_map>

#include "amount_text.h"
#include "checked_money.h"
#include "dates.h"
#include "document.h"
#include "id_index.h"
#include "partner_terms.h"
#include "sjis_codec.h"
#include "slip_values.h"

namespace {

__extension__ typedef __int128 Wide;

bool Counts(const Slip& slip, TrendOf of) {
  return of == TrendOf::Sales ? slip.kind == kShipmentSlip || slip.kind == kShipmentReturnSlip
                              : slip.kind == kPurchaseSlip || slip.kind == kPurchaseReturnSlip;
}

bool IsReturn(const Slip& slip) {
  return slip.kind == kShipmentReturnSlip || slip.kind == kPurchaseReturnSlip;
}

void Book(Money& sum, const Slip& slip, Money value) {
  sum = IsReturn(slip) ? CheckedSub(sum, value) : CheckedAdd(sum, value);
}

// What one row gathers: the 24 months (the previous year's first), and for products the
// net quantity of the year, for the others the year's cost line by line.
struct Sums {
  std::array<Money, 24> months{};
  Money quantity;
  Money cost;
};

// The month of the slip among the 24 (0 = the previous year's first month), or -1.
int MonthSlot(double date, const TrendQuery& q) {
  const Ymd ymd = DecodeDate(date);
  const int slot = (ymd.year - q.year) * 12 + (ymd.month - q.startMonth) + 12;
  return slot >= 0 && slot < 24 ? slot : -1;
}

std::optional<Money> Ratio(Money total, Money previous) {
  if (previous == Money{}) return std::nullopt;
  // Raw values in 1/10000 yen; percent to 1/10 as a Money of that value.
  const Wide num = static_cast<Wide>(total.raw) * 1000;
  const Wide den = previous.raw;
  Wide q = num / den;
  const Wide rest = num % den;
  if (rest != 0 && (rest < 0 ? -rest : rest) * 2 >= (den < 0 ? -den : den)) {
    q += ((num < 0) != (den < 0)) ? -1 : 1;
  }
  constexpr Wide kLimit = INT64_MAX / 1000;
  if (q > kLimit || q < -kLimit) throw MoneyOverflow("ratio out of range");
  return Money::FromRaw(static_cast<int64_t>(q) * 1000);
}

TrendRow Finish(int32_t id, const std::string& name, const Sums& s, Money cost) {
  TrendRow row;
  row.id = id;
  row.name = name;
  for (size_t m = 0; m < 12; ++m) {
    row.months[m] = s.months[m + 12];
    row.previousMonths[m] = s.months[m];
    row.total = CheckedAdd(row.total, s.months[m + 12]);
    row.previous = CheckedAdd(row.previous, s.months[m]);
  }
  row.ratio = Ratio(row.total, row.previous);
  row.cost = cost;
  row.profit = CheckedSub(row.total, cost);
  return row;
}

}  // namespace

MonthlyTrend ComputeMonthlyTrend(const Document& doc, const TrendQuery& query) {
  const bool sales = query.of == TrendOf::Sales;
  const CustomerList& partners = sales ? doc.customers : doc.suppliers;
  std::unordered_map<int32_t, size_t> partnerAt;
  std::vector<int> rounding(partners.Records().size());
  for (size_t i = 0; i < partners.Records().size(); ++i) {
    partnerAt.emplace(partners.Records()[i].id, i);
    rounding[i] = EffectiveTerms(doc.company, partners.Records()[i]).rounding;
  }
  std::unordered_map<int32_t, size_t> itemAt;
  for (size_t i = 0; i < doc.items.Records().size(); ++i) {
    itemAt.emplace(doc.items.Records()[i].id, i);
  }
  const ItemIndex items(doc.items);
  std::vector<Sums> byPartner(partners.Records().size());
  std::vector<Sums> byItem(doc.items.Records().size());
  Sums total;

  for (const Slip& slip : doc.slips.Slips()) {
    if (!Counts(slip, query.of)) continue;
    const int slot = MonthSlot(slip.date, query);
    if (slot < 0) continue;
    const auto partner = partnerAt.find(slip.partner);
    const int round = partner == partnerAt.end() ? doc.company.rounding : rounding[partner->second];
    for (const SlipLine& line : slip.Lines()) {
      const Money amount = LineAmountInYen(line, round);
      const ItemRecord* item = items.Find(line.product);
      const Money cost = item == nullptr ? Money{} : RoundAmount(round, line.quantity * item->cost);
      const bool thisYear = slot >= 12;
      Book(total.months[static_cast<size_t>(slot)], slip, amount);
      if (thisYear) Book(total.cost, slip, cost);
      if (partner != partnerAt.end()) {
        Sums& s = byPartner[partner->second];
        Book(s.months[static_cast<size_t>(slot)], slip, amount);
        if (thisYear) Book(s.cost, slip, cost);
      }
      if (const auto at = itemAt.find(line.product); at != itemAt.end()) {
        Sums& s = byItem[at->second];
        Book(s.months[static_cast<size_t>(slot)], slip, amount);
        if (thisYear) Book(s.quantity, slip, line.quantity);
      }
    }
  }

  MonthlyTrend trend;
  trend.query = query;
  const auto costOf = [sales](Money c) { return sales ? c : Money{}; };
  if (query.by == TrendBy::Partner) {
    for (size_t i = 0; i < byPartner.size(); ++i) {
      const CustomerRecord& p = partners.Records()[i];
      trend.rows.push_back(Finish(p.id, p.name, byPartner[i], costOf(byPartner[i].cost)));
    }
  } else if (query.by == TrendBy::Item) {
    for (size_t i = 0; i < byItem.size(); ++i) {
      const ItemRecord& it = doc.items.Records()[i];
      // As the product analysis: the year's net quantity at the product's cost.
      const Money cost = ShownValue(byItem[i].quantity * it.cost);
      trend.rows.push_back(Finish(it.id, it.name, byItem[i], costOf(cost)));
    }
  }
  trend.total = Finish(-1, std::string(), total, costOf(total.cost));
  return trend;
}

QStringList TrendMonthNames(int startMonth) {
  QStringList names;
  for (int m = 0; m < 12; ++m) names << QStringLiteral("%1月").arg((startMonth - 1 + m) % 12 + 1);
  return names;
}

namespace {

QStringList ShownRow(const QString& name, const TrendRow& row) {
  QStringList cells = {name};
  for (Money m : row.months) cells << FormattedAmount(m);
  cells << FormattedAmount(row.total) << FormattedAmount(row.previous)
        << (row.ratio ? FormattedAmount(*row.ratio) + QStringLiteral("%") : QString());
  return cells;
}

}  // namespace

ShownTrend TrendShown(const MonthlyTrend& trend) {
  ShownTrend shown;
  const TrendBy by = trend.query.by;
  const bool sales = trend.query.of == TrendOf::Sales;
  const QString caption = by == TrendBy::Item ? QStringLiteral("商品名")
                          : by == TrendBy::Partner
                              ? (sales ? QStringLiteral("得意先名") : QStringLiteral("仕入先名"))
                              : QString();
  shown.rows.columns.push_back({caption});
  for (const QString& month : TrendMonthNames(trend.query.startMonth)) {
    shown.rows.columns.push_back({month, ShownKind::Amount});
  }
  for (const char* c : {"合計", "前年", "前年比"}) {
    shown.rows.columns.push_back({QString::fromUtf8(c), ShownKind::Amount});
  }
  for (const TrendRow& row : trend.rows)
    shown.rows.rows.push_back(ShownRow(FromSjis(row.name), row));
  shown.total = ShownRow(QStringLiteral("合計"), trend.total);
  return shown;
}
