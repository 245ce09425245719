#include "computed_list_csv.h"

#include <QString>
#include <cmath>
#include <cstdio>

#include "dates.h"
#include "return_list.h"
#include "sales_analysis.h"
#include "sjis_codec.h"

namespace {

using Cells = std::vector<std::vector<std::string>>;

std::string Utf8(const std::string& sjis) {
  return FromSjis(sjis).toStdString();
}

Cells SalesCells(const ItemSales& sales) {
  Cells cells = {{"id", "code", "name", "quantity", "amount", "cost", "profit"}};
  for (const ItemSalesRow& r : sales.rows) {
    cells.push_back({std::to_string(r.id), Utf8(r.code), Utf8(r.name), MoneyToText(r.quantity),
                     MoneyToText(r.amount), MoneyToText(r.cost), MoneyToText(r.profit)});
  }
  return cells;
}

Cells SalesCells(const CustomerSales& sales) {
  Cells cells = {{"id", "name", "sales", "cost", "profit"}};
  for (const CustomerSalesRow& r : sales.rows) {
    cells.push_back({std::to_string(r.id), Utf8(r.name), MoneyToText(r.sales), MoneyToText(r.cost),
                     MoneyToText(r.profit)});
  }
  return cells;
}

Cells SalesCells(const DateSales& sales) {
  Cells cells = {{"date", "sales", "cost", "profit"}};
  for (const DateSalesRow& r : sales.rows) {
    cells.push_back(
        {IsoDate(r.date), MoneyToText(r.sales), MoneyToText(r.cost), MoneyToText(r.profit)});
  }
  return cells;
}

}  // namespace

std::string IsoDate(double date) {
  const Ymd ymd = DecodeDate(std::floor(date));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
  return buf;
}

std::string CheckedUtf8(const std::string& sjis, const char* what) {
  const QString text = FromSjis(sjis);
  const std::optional<std::string> back = ToSjis(text);
  if (!back || *back != sjis)
    throw SlipListError(SlipListError::Reason::NotText,
                        std::string(what) + ": bytes that are not CP932 text");
  return text.toStdString();
}

const CustomerRecord& SlipListPartner(const Document& doc, const SlipListQuery& query) {
  const CustomerRecord* partner = doc.Partners(query.mode).FindById(query.partner);
  if (partner == nullptr) {
    throw SlipListError(SlipListError::Reason::NoPartner,
                        std::string("no ") +
                            (query.mode == kCustomerKind ? "customer" : "supplier") + " with id " +
                            std::to_string(query.partner));
  }
  return *partner;
}

SlipListRows SlipListOf(const Document& doc, const SlipListQuery& query) {
  try {
    return ComputeSlipList(doc, query.mode, query.partner, query.period);
  } catch (const MoneyOverflow&) {
    throw SlipListError(SlipListError::Reason::OutOfRange,
                        "a total is beyond the range of amounts");
  }
}

const std::vector<std::string>& ClaimDetailColumns() {
  static const std::vector<std::string> columns = {"date", "number", "name",   "quantity",
                                                   "unit", "price",  "amount", "note"};
  return columns;
}

std::vector<std::string> ClaimDetailCells(const ClaimDetailRow& r) {
  const bool head = r.firstOfSlip;
  return {head ? IsoDate(r.date) : "",
          head ? Utf8(r.number) : "",
          Utf8(r.name),
          r.receipt ? "" : MoneyToText(r.quantity),
          r.receipt ? "" : Utf8(r.unit),
          r.receipt ? "" : MoneyToText(r.price),
          MoneyToText(r.amount),
          Utf8(r.note)};
}

std::string SlipListCsv(const Document& doc, const SlipListQuery& query, const CsvStyle& style) {
  SlipListPartner(doc, query);
  Cells cells = {{"id", "date", "number", "kind", "total"}};
  for (const SlipListRow& row : SlipListOf(doc, query).rows) {
    cells.push_back({std::to_string(row.id), IsoDate(row.date),
                     CheckedUtf8(row.number, "slip number"), std::to_string(row.kind),
                     MoneyToText(row.total)});
  }
  return CsvText(cells, style);
}

std::string ClaimsCsv(const Document& doc, int kind, double month, const CsvStyle& style) {
  Cells cells = {{"id", "name", "amount", "closingDay", "due"}};
  for (const ClaimListRow& r : ComputeClaimList(doc, kind, month)) {
    cells.push_back({std::to_string(r.id), Utf8(r.name), MoneyToText(r.amount),
                     r.closingDayText.toStdString(), r.dueText.toStdString()});
  }
  return CsvText(cells, style);
}

std::string ClaimDetailCsv(const Document& doc, int mode, int32_t partner, double month,
                           const CsvStyle& style) {
  Cells cells = {ClaimDetailColumns()};
  for (const ClaimDetailRow& r : ComputeClaimDetail(doc, mode, partner, month).rows)
    cells.push_back(ClaimDetailCells(r));
  return CsvText(cells, style);
}

std::string SalesCsv(const Document& doc, const SalesQuery& q, const CsvStyle& style) {
  switch (q.by) {
    case SalesBy::Item:
      return CsvText(SalesCells(ComputeItemSales(doc, q.period, q.hideZero)), style);
    case SalesBy::Customer:
      return CsvText(SalesCells(ComputeCustomerSales(doc, q.period, q.hideZero)), style);
    case SalesBy::Date:
      break;
  }
  return CsvText(SalesCells(ComputeDateSales(doc, q.period, q.hideZero)), style);
}

std::string ReturnsCsv(const Document& doc, const ReturnsQuery& q, const CsvStyle& style) {
  Cells cells = {{"code", "name", "quantity", "price", "amount", "date", "partner", "subtotal"}};
  for (const ReturnRow& r : ComputeReturnList(doc, q.partnerKind, q.period, q.subtotals).rows) {
    cells.push_back({Utf8(r.code), Utf8(r.name), MoneyToText(r.quantity),
                     r.subtotal ? "" : MoneyToText(r.price), MoneyToText(r.amount),
                     r.subtotal ? "" : IsoDate(r.date), Utf8(r.partner), r.subtotal ? "true" : ""});
  }
  return CsvText(cells, style);
}
