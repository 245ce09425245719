#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <set>

class GroupList;
struct ItemRecord;

// "税抜", "税込", "非課税" for tax classes 0, 1, 2.
QStringList TaxClassChoices();

// The texts of a product's row in the product list, in column order: code, name, unit,
// price, cost, short code, tax class, remark and the names of its three classifications.
// A product among `reducedItems` has "※" after its tax class.
QStringList ItemRowTexts(const ItemRecord& item, const std::array<GroupList, 3>& groups,
                         const std::set<int32_t>& reducedItems);
