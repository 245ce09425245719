#include "rate_taxes_json.h"

Json RateTaxesJson(const std::vector<RateTax>& rates) {
  Json list = Json::array();
  for (const RateTax& r : rates) {
    list.push_back(Json{
        {"rate", MoneyToText(r.rate)}, {"base", MoneyToText(r.base)}, {"tax", MoneyToText(r.tax)}});
  }
  return list;
}
