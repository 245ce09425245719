#include "slip_list_output.h"

#include <QString>
#include <cmath>
#include <cstdio>

#include "dates.h"
#include "sjis_codec.h"

namespace {

// UTF-8 of stored CP932 text; bytes that do not come back the same are refused, as
// export refuses them, rather than printed changed.
std::string Utf8(const std::string& sjis, const char* what) {
  const QString text = FromSjis(sjis);
  const std::optional<std::string> back = ToSjis(text);
  if (!back || *back != sjis)
    throw SlipListError(std::string(what) + ": bytes that are not CP932 text");
  return text.toStdString();
}

const CustomerRecord& PartnerOf(const Document& doc, const SlipListQuery& query) {
  const CustomerRecord* partner = doc.Partners(query.mode).FindById(query.partner);
  if (partner == nullptr) {
    throw SlipListError(std::string("no ") +
                        (query.mode == kCustomerKind ? "customer" : "supplier") + " with id " +
                        std::to_string(query.partner));
  }
  return *partner;
}

SlipListRows Rows(const Document& doc, const SlipListQuery& query) {
  try {
    return ComputeSlipList(doc, query.mode, query.partner, query.period);
  } catch (const MoneyOverflow&) {
    throw SlipListError("a total is beyond the range of amounts");
  }
}

Json LinesJson(const ItemIndex& items, const Slip& slip, int rounding) {
  Json lines = Json::array();
  for (const SlipDetailRow& row : ComputeSlipDetail(items, slip, rounding)) {
    lines.push_back(Json{{"item", row.product},
                         {"code", Utf8(row.code, "product code")},
                         {"name", Utf8(row.name, "product name")},
                         {"quantity", MoneyToText(row.quantity)},
                         {"unit", Utf8(row.unit, "unit")},
                         {"price", MoneyToText(row.price)},
                         {"amount", MoneyToText(row.amount)},
                         {"note", Utf8(row.note, "line note")}});
  }
  return lines;
}

}  // namespace

std::string IsoDate(double date) {
  const Ymd ymd = DecodeDate(std::floor(date));
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
  return buf;
}

Json SlipListJson(const Document& doc, const SlipListQuery& query) {
  const CustomerRecord& partner = PartnerOf(doc, query);
  const SlipListRows list = Rows(doc, query);
  const int rounding = TermsOf(doc, query.mode, query.partner).rounding;
  const ItemIndex items(doc.items);
  Json slips = Json::array();
  for (const SlipListRow& row : list.rows) {
    slips.push_back(Json{{"id", row.id},
                         {"date", IsoDate(row.date)},
                         {"number", Utf8(row.number, "slip number")},
                         {"kind", row.kind},
                         {"total", MoneyToText(row.total)},
                         {"lines", LinesJson(items, *row.slip, rounding)}});
  }
  return Json{{"kind", query.mode == kCustomerKind ? "shipment" : "purchase"},
              {"partner", Json{{"id", partner.id}, {"name", Utf8(partner.name, "partner name")}}},
              {"from", query.period ? Json(IsoDate(query.period->from)) : Json(nullptr)},
              {"to", query.period ? Json(IsoDate(query.period->to)) : Json(nullptr)},
              {"slips", std::move(slips)},
              {"total", MoneyToText(list.total)}};
}

std::string SlipListCsv(const Document& doc, const SlipListQuery& query, const CsvStyle& style) {
  PartnerOf(doc, query);
  std::vector<std::vector<std::string>> cells = {{"id", "date", "number", "kind", "total"}};
  for (const SlipListRow& row : Rows(doc, query).rows) {
    cells.push_back({std::to_string(row.id), IsoDate(row.date), Utf8(row.number, "slip number"),
                     std::to_string(row.kind), MoneyToText(row.total)});
  }
  return CsvText(cells, style);
}
