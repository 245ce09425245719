#include "list_output.h"

#include <QString>
#include <cstdio>

#include "computed_list_csv.h"
#include "dates.h"
#include "return_list.h"
#include "sales_analysis.h"
#include "sjis_codec.h"

namespace {

// A record's text, refused when it is not CP932: "product 12 name".
std::string Utf8(const std::string& sjis, const std::string& record, const char* field) {
  return CheckedUtf8(sjis, record + " " + field);
}

Json Amount(Money v) {
  return MoneyToText(v);
}

Json ItemRow(const ItemSalesRow& r) {
  return {{"id", r.id},
          {"code", Utf8(r.code, "product " + std::to_string(r.id), "code")},
          {"name", Utf8(r.name, "product " + std::to_string(r.id), "name")},
          {"quantity", Amount(r.quantity)},
          {"amount", Amount(r.amount)},
          {"cost", Amount(r.cost)},
          {"profit", Amount(r.profit)}};
}

Json CustomerRow(const CustomerSalesRow& r) {
  return {{"id", r.id},
          {"name", Utf8(r.name, "partner " + std::to_string(r.id), "name")},
          {"sales", Amount(r.sales)},
          {"cost", Amount(r.cost)},
          {"profit", Amount(r.profit)}};
}

Json DateRow(const DateSalesRow& r) {
  return {{"date", IsoDate(r.date)},
          {"sales", Amount(r.sales)},
          {"cost", Amount(r.cost)},
          {"profit", Amount(r.profit)}};
}

Json TotalsJson(const ItemSales& sales) {
  return {{"amount", Amount(sales.amount)},
          {"cost", Amount(sales.cost)},
          {"profit", Amount(sales.profit)}};
}

template <class Sales>
Json TotalsJson(const Sales& sales) {
  const SalesTotals& t = sales.totals;
  return {{"sales", Amount(t.sales)}, {"cost", Amount(t.cost)}, {"profit", Amount(t.profit)}};
}

template <class Sales, class RowJson>
void PutSales(Json& list, const Sales& sales, RowJson rowJson) {
  Json rows = Json::array();
  for (const auto& r : sales.rows) rows.push_back(rowJson(r));
  list["rows"] = std::move(rows);
  list["totals"] = TotalsJson(sales);
}

void FillSales(Json& list, const Document& doc, SalesBy by, SlipPeriod period, bool hideZero) {
  switch (by) {
    case SalesBy::Item:
      return PutSales(list, ComputeItemSales(doc, period, hideZero), ItemRow);
    case SalesBy::Customer:
      return PutSales(list, ComputeCustomerSales(doc, period, hideZero), CustomerRow);
    case SalesBy::Date:
      return PutSales(list, ComputeDateSales(doc, period, hideZero), DateRow);
  }
}

const char* ByName(SalesBy by) {
  switch (by) {
    case SalesBy::Item:
      return "item";
    case SalesBy::Customer:
      return "customer";
    case SalesBy::Date:
      return "date";
  }
  return "";
}

}  // namespace

Json SalesJson(const Document& doc, SalesBy by, SlipPeriod period, bool hideZero) {
  Json list = {{"by", ByName(by)}, {"from", IsoDate(period.from)}, {"to", IsoDate(period.to)}};
  FillSales(list, doc, by, period, hideZero);
  return list;
}

Json ReturnsJson(const Document& doc, int partnerKind, SlipPeriod period, bool subtotals) {
  const ReturnList returns = ComputeReturnList(doc, partnerKind, period, subtotals);
  Json rows = Json::array();
  for (size_t i = 0; i < returns.rows.size(); ++i) {
    const ReturnRow& r = returns.rows[i];
    const std::string where = "return list row " + std::to_string(i + 1);
    Json row = {{"code", Utf8(r.code, where, "code")},
                {"name", Utf8(r.name, where, "name")},
                {"quantity", Amount(r.quantity)}};
    if (!r.subtotal) row["price"] = Amount(r.price);
    row["amount"] = Amount(r.amount);
    row["date"] = r.subtotal ? std::string() : IsoDate(r.date);
    row["partner"] = Utf8(r.partner, where, "partner");
    if (r.subtotal) row["subtotal"] = true;
    rows.push_back(std::move(row));
  }
  return {{"kind", partnerKind == kCustomerKind ? "shipment" : "purchase"},
          {"from", IsoDate(period.from)},
          {"to", IsoDate(period.to)},
          {"rows", rows},
          {"totals", {{"quantity", Amount(returns.quantity)}, {"amount", Amount(returns.amount)}}}};
}
