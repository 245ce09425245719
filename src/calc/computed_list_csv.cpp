#include "computed_list_csv.h"

#include <QString>
#include <cmath>
#include <cstdio>

#include "dates.h"
#include "period_list_rows.h"
#include "return_list.h"
#include "sales_analysis.h"
#include "shown_lists.h"
#include "sjis_codec.h"

namespace {

using Cells = std::vector<std::vector<std::string>>;

// A record's text, named for the refusal when it is not CP932: "product 12 name".
std::string Utf8(const std::string& sjis, const std::string& record, const char* field) {
  return CheckedUtf8(sjis, record + " " + field);
}

std::string Record(const char* kind, long long id) {
  return std::string(kind) + " " + std::to_string(id);
}

Cells SalesCells(const ItemSales& sales) {
  Cells cells = {{"id", "code", "name", "quantity", "amount", "cost", "profit"}};
  for (const ItemSalesRow& r : sales.rows) {
    const std::string product = Record("product", r.id);
    cells.push_back({std::to_string(r.id), Utf8(r.code, product, "code"),
                     Utf8(r.name, product, "name"), MoneyToText(r.quantity), MoneyToText(r.amount),
                     MoneyToText(r.cost), MoneyToText(r.profit)});
  }
  return cells;
}

Cells SalesCells(const CustomerSales& sales) {
  Cells cells = {{"id", "name", "sales", "cost", "profit"}};
  for (const CustomerSalesRow& r : sales.rows) {
    cells.push_back({std::to_string(r.id), Utf8(r.name, Record("partner", r.id), "name"),
                     MoneyToText(r.sales), MoneyToText(r.cost), MoneyToText(r.profit)});
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

std::string CheckedUtf8(const std::string& sjis, const std::string& what) {
  const QString text = FromSjis(sjis);
  const std::optional<std::string> back = ToSjis(text);
  if (!back || *back != sjis)
    throw SlipListError(SlipListError::Reason::NotText, what + ": bytes that are not CP932 text");
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

std::vector<std::string> ClaimDetailCells(const ClaimDetailRow& r, size_t index) {
  const bool head = r.firstOfSlip;
  const std::string row = Record("claim detail row", static_cast<long long>(index) + 1);
  return {head ? IsoDate(r.date) : "",
          head ? Utf8(r.number, row, "number") : "",
          Utf8(r.name, row, "name"),
          r.receipt ? "" : MoneyToText(r.quantity),
          r.receipt ? "" : Utf8(r.unit, row, "unit"),
          r.receipt ? "" : MoneyToText(r.price),
          MoneyToText(r.amount),
          Utf8(r.note, row, "note")};
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
    cells.push_back({std::to_string(r.id), Utf8(r.name, Record("partner", r.id), "name"),
                     MoneyToText(r.amount), r.closingDayText.toStdString(),
                     r.dueText.toStdString()});
  }
  return CsvText(cells, style);
}

std::string ClaimDetailCsv(const Document& doc, int mode, int32_t partner, double month,
                           const CsvStyle& style) {
  Cells cells = {ClaimDetailColumns()};
  const ClaimDetail detail = ComputeClaimDetail(doc, mode, partner, month);
  for (size_t i = 0; i < detail.rows.size(); ++i)
    cells.push_back(ClaimDetailCells(detail.rows[i], i));
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
  const ReturnList returns = ComputeReturnList(doc, q.partnerKind, q.period, q.subtotals);
  for (size_t i = 0; i < returns.rows.size(); ++i) {
    const ReturnRow& r = returns.rows[i];
    const std::string row = Record("return list row", static_cast<long long>(i) + 1);
    cells.push_back({Utf8(r.code, row, "code"), Utf8(r.name, row, "name"), MoneyToText(r.quantity),
                     r.subtotal ? "" : MoneyToText(r.price), MoneyToText(r.amount),
                     r.subtotal ? "" : IsoDate(r.date), Utf8(r.partner, row, "partner"),
                     r.subtotal ? "true" : ""});
  }
  return CsvText(cells, style);
}

std::string SlipListShownCsv(const Document& doc, const SlipListQuery& query) {
  SlipListPartner(doc, query);
  return ShownCsv(SlipListShown(SlipListOf(doc, query)));
}

std::string ClaimsShownCsv(const Document& doc, int kind, double month) {
  return ShownCsv(ClaimListShown(ComputeClaimList(doc, kind, month), kind));
}

std::string ClaimDetailShownCsv(const Document& doc, int mode, int32_t partner, double month) {
  return ShownCsv(
      ClaimDetailShown(ComputeClaimDetail(doc, mode, partner, month), doc.invoice.enabled));
}

std::string SalesShownCsv(const Document& doc, const SalesQuery& q) {
  switch (q.by) {
    case SalesBy::Item:
      return ShownCsv(AsShown(ItemSalesView(ComputeItemSales(doc, q.period, q.hideZero))));
    case SalesBy::Customer:
      return ShownCsv(AsShown(CustomerSalesView(ComputeCustomerSales(doc, q.period, q.hideZero))));
    case SalesBy::Date:
      break;
  }
  return ShownCsv(AsShown(DateSalesView(ComputeDateSales(doc, q.period, q.hideZero))));
}

std::string ReturnsShownCsv(const Document& doc, const ReturnsQuery& q) {
  return ShownCsv(
      AsShown(ReturnListView(ComputeReturnList(doc, q.partnerKind, q.period, q.subtotals))));
}
