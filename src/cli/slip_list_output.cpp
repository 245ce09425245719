#include "slip_list_output.h"

#include "rate_taxes_json.h"

namespace {

Json LinesJson(const ItemIndex& items, const Slip& slip, int rounding) {
  Json lines = Json::array();
  for (const SlipDetailRow& row : ComputeSlipDetail(items, slip, rounding)) {
    lines.push_back(Json{{"item", row.product},
                         {"code", CheckedUtf8(row.code, "product code")},
                         {"name", CheckedUtf8(row.name, "product name")},
                         {"quantity", MoneyToText(row.quantity)},
                         {"unit", CheckedUtf8(row.unit, "unit")},
                         {"price", MoneyToText(row.price)},
                         {"amount", MoneyToText(row.amount)},
                         {"note", CheckedUtf8(row.note, "line note")}});
  }
  return lines;
}

}  // namespace

Json SlipListJson(const Document& doc, const SlipListQuery& query) {
  const CustomerRecord& partner = SlipListPartner(doc, query);
  const SlipListRows list = SlipListOf(doc, query);
  const int rounding = TermsOf(doc, query.mode, query.partner).rounding;
  const ItemIndex items(doc.items);
  const TaxRules rules(doc);
  Json slips = Json::array();
  for (const SlipListRow& row : list.rows) {
    Json slip{{"id", row.id},
              {"date", IsoDate(row.date)},
              {"number", CheckedUtf8(row.number, "slip number")},
              {"kind", row.kind},
              {"total", MoneyToText(row.total)},
              {"lines", LinesJson(items, *row.slip, rounding)}};
    if (rules.PerRate()) {
      slip["taxes"] = RateTaxesJson(ComputeSlipTaxes(*row.slip, items, rules, rounding).rates);
    }
    slips.push_back(std::move(slip));
  }
  return Json{
      {"kind", query.mode == kCustomerKind ? "shipment" : "purchase"},
      {"partner", Json{{"id", partner.id}, {"name", CheckedUtf8(partner.name, "partner name")}}},
      {"from", query.period ? Json(IsoDate(query.period->from)) : Json(nullptr)},
      {"to", query.period ? Json(IsoDate(query.period->to)) : Json(nullptr)},
      {"slips", std::move(slips)},
      {"total", MoneyToText(list.total)}};
}
