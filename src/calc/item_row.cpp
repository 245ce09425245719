#include "item_row.h"

#include "amount_text.h"
#include "group_list.h"
#include "item_list.h"
#include "money.h"
#include "sjis_codec.h"

namespace {

// A product whose classification entry has gone (a damaged file) shows an empty name
// rather than reading past the list.
QString GroupName(const GroupList& group, int32_t id) {
  const int index = group.IndexOf(id);
  return index < 0 ? QString() : FromSjis(group.Get(index).name);
}

QString TaxClassText(int32_t taxClass) {
  const QStringList choices = TaxClassChoices();
  return taxClass >= 0 && taxClass < choices.size() ? choices[taxClass] : QString();
}

}  // namespace

QStringList TaxClassChoices() {
  return {QStringLiteral("税抜"), QStringLiteral("税込"), QStringLiteral("非課税")};
}

QStringList ItemRowTexts(const ItemRecord& item, const std::array<GroupList, 3>& groups,
                         const std::set<int32_t>& reducedItems) {
  // Only a taxed product (税抜, 税込) can take the reduced rate; on an untaxed one the mark
  // would claim a rate it never takes.
  const bool taxed = item.taxClass == 0 || item.taxClass == 1;
  const QString mark = taxed && reducedItems.contains(item.id) ? QStringLiteral("※") : QString();
  return {FromSjis(item.code),
          FromSjis(item.name),
          FromSjis(item.unit),
          FormattedAmount(item.price),
          FormattedAmount(item.cost),
          FromSjis(item.speedCode),
          TaxClassText(item.taxClass) + mark,
          FromSjis(item.note),
          GroupName(groups[0], item.group1),
          GroupName(groups[1], item.group2),
          GroupName(groups[2], item.group3)};
}
