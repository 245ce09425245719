#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "id_list.h"
#include "money.h"

// One product. Fields in data-file order.
struct ItemRecord {
  static constexpr int kFieldCount = 13;

  int32_t id = 0;
  std::string code;
  std::string name;
  std::string nameKana;
  std::string unit;  // the unit's text, so renaming a unit leaves products unchanged
  Money price;
  Money cost;
  std::string speedCode;
  std::string note;
  int32_t taxClass = 0;  // 0 price excludes tax, 1 includes tax, 2 not taxed
  int32_t group1 = 0;    // ids in the three classification lists, 0 = none
  int32_t group2 = 0;
  int32_t group3 = 0;

  void Write(FieldOut& out) const;
  void Read(FieldIn& in);
  friend bool operator==(const ItemRecord&, const ItemRecord&) = default;
};

class ItemList : public IdList<ItemRecord> {
 public:
  bool Clear();
  // Price and cost are typed amounts, read with ParseAmount; false when they do not parse.
  bool Add(std::string_view code, std::string_view name, std::string_view nameKana,
           std::string_view unit, std::string_view priceText, std::string_view costText,
           std::string_view speedCode, std::string_view note, int32_t taxClass, int32_t group1,
           int32_t group2, int32_t group3);
  bool Update(int index, std::string_view code, std::string_view name, std::string_view nameKana,
              std::string_view unit, std::string_view priceText, std::string_view costText,
              std::string_view speedCode, std::string_view note, int32_t taxClass, int32_t group1,
              int32_t group2, int32_t group3);
  // Products whose speed code starts with the prefix, in list order. An empty prefix gives
  // the list itself; otherwise the result is a new list held in `filtered`.
  const ItemList& FilterBySpeedCode(std::string_view prefix, ItemList& filtered) const;

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);
};
