#include "period_list_rows.h"

#include "amount_text.h"
#include "date_convert.h"
#include "sjis_codec.h"

namespace {

// The sales lists end with the figures and the hidden id.
std::vector<ShownColumn> SalesColumns(std::vector<ShownColumn> first, const QString& amount) {
  for (const char* caption : {"", "原価", "粗利益"}) {
    first.push_back({*caption ? QString::fromUtf8(caption) : amount, ShownKind::Amount});
  }
  first.push_back({QStringLiteral("id"), ShownKind::Hidden});
  return first;
}

QStringList TotalTexts(const SalesTotals& t) {
  return {FormattedAmount(t.sales), FormattedAmount(t.cost), FormattedAmount(t.profit)};
}

QStringList ReturnRowTexts(const ReturnRow& r) {
  if (r.subtotal) {
    return {QString(), FromSjis(r.name),          FormattedAmount(r.quantity),
            QString(), FormattedAmount(r.amount), QString(),
            QString()};
  }
  return {FromSjis(r.code),         FromSjis(r.name),          FormattedAmount(r.quantity),
          FormattedAmount(r.price), FormattedAmount(r.amount), ShortDateText(r.date),
          FromSjis(r.partner)};
}

}  // namespace

PeriodListView ItemSalesView(const ItemSales& sales) {
  PeriodListView view;
  view.columns = SalesColumns({{QStringLiteral("商品コード"), ShownKind::Text},
                               {QStringLiteral("商品名"), ShownKind::Text},
                               {QStringLiteral("数量"), ShownKind::Amount}},
                              QStringLiteral("金額"));
  view.rows.reserve(sales.rows.size());
  for (const ItemSalesRow& r : sales.rows) {
    view.rows.push_back({FromSjis(r.code), FromSjis(r.name), FormattedAmount(r.quantity),
                         FormattedAmount(r.amount), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.id)});
  }
  view.totals = {FormattedAmount(sales.amount), FormattedAmount(sales.cost),
                 FormattedAmount(sales.profit)};
  return view;
}

PeriodListView CustomerSalesView(const CustomerSales& sales) {
  PeriodListView view;
  view.columns =
      SalesColumns({{QStringLiteral("出荷先名"), ShownKind::Text}}, QStringLiteral("売上額"));
  view.rows.reserve(sales.rows.size());
  for (const CustomerSalesRow& r : sales.rows) {
    view.rows.push_back({FromSjis(r.name), FormattedAmount(r.sales), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.id)});
  }
  view.totals = TotalTexts(sales.totals);
  return view;
}

PeriodListView DateSalesView(const DateSales& sales) {
  PeriodListView view;
  view.columns =
      SalesColumns({{QStringLiteral("日付"), ShownKind::Date}}, QStringLiteral("売上額"));
  view.rows.reserve(sales.rows.size());
  for (const DateSalesRow& r : sales.rows) {
    view.rows.push_back({ShortDateText(r.date), FormattedAmount(r.sales), FormattedAmount(r.cost),
                         FormattedAmount(r.profit), QString::number(r.position)});
  }
  view.totals = TotalTexts(sales.totals);
  return view;
}

PeriodListView ReturnListView(const ReturnList& list) {
  PeriodListView view;
  view.columns = {
      {QStringLiteral("商品コード"), ShownKind::Text}, {QStringLiteral("商品名"), ShownKind::Text},
      {QStringLiteral("数量"), ShownKind::Amount},     {QStringLiteral("単価"), ShownKind::Amount},
      {QStringLiteral("金額"), ShownKind::Amount},     {QStringLiteral("日付"), ShownKind::Date},
      {QStringLiteral("取引先名"), ShownKind::Text}};
  view.rows.reserve(list.rows.size());
  for (const ReturnRow& r : list.rows) view.rows.push_back(ReturnRowTexts(r));
  view.totals = {FormattedAmount(list.quantity), FormattedAmount(list.amount)};
  return view;
}

ShownList AsShown(const PeriodListView& view) {
  return {view.columns, view.rows};
}
