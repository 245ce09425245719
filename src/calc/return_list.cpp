#include "return_list.h"

#include <cmath>
#include <unordered_map>

#include "checked_money.h"

namespace {

constexpr char kSubtotalSuffix[] = "\x20\x8F\xAC\x8C\x76";  // " 小計" in CP932

// The period's return slips of each partner, in stored order, from one walk of the slips.
std::vector<std::vector<const Slip*>> SlipsByPartner(const Document& doc, int partnerKind,
                                                     const SlipPeriod& period) {
  const auto& partners = doc.Partners(partnerKind).Records();
  std::unordered_map<int32_t, size_t> position;
  position.reserve(partners.size());
  for (size_t i = 0; i < partners.size(); ++i) position.emplace(partners[i].id, i);
  std::vector<std::vector<const Slip*>> slips(partners.size());
  const int returnKind = partnerKind + 2;
  for (const Slip& slip : doc.slips.Slips()) {
    if (slip.kind != returnKind || !period.Holds(slip.date)) continue;
    const auto it = position.find(slip.partner);
    if (it != position.end()) slips[it->second].push_back(&slip);
  }
  return slips;
}

}  // namespace

ReturnList ComputeReturnList(const Document& doc, int partnerKind, SlipPeriod period,
                             bool subtotals) {
  const auto& partners = doc.Partners(partnerKind).Records();
  const auto slips = SlipsByPartner(doc, partnerKind, period);
  const ItemIndex items(doc.items);
  ReturnList result;
  for (size_t p = 0; p < partners.size(); ++p) {
    Money quantity;
    Money amount;
    const size_t firstRow = result.rows.size();
    for (const Slip* slip : slips[p]) {
      for (const SlipLine& line : slip->Lines()) {
        ReturnRow row;
        if (const ItemRecord* item = items.Find(line.product)) {
          row.code = item->code;
          row.name = item->name;
        }
        row.quantity = line.quantity;
        row.price = line.price;
        row.amount = line.price * line.quantity;
        row.date = slip->date;
        row.partner = partners[p].name;
        quantity = CheckedAdd(quantity, row.quantity);
        amount = CheckedAdd(amount, row.amount);
        result.rows.push_back(std::move(row));
      }
    }
    if (subtotals && result.rows.size() > firstRow) {
      ReturnRow row;
      row.subtotal = true;
      row.name = partners[p].name + kSubtotalSuffix;
      row.quantity = quantity;
      row.amount = amount;
      result.rows.push_back(std::move(row));
    }
    result.quantity = CheckedAdd(result.quantity, quantity);
    result.amount = CheckedAdd(result.amount, amount);
  }
  return result;
}
