#pragma once

#include <cstdint>
#include <string>

class ItemList;

// A product as the entry window hands it over: texts as typed (CP932), the price and the
// cost as typed amounts, which the list reads with ParseAmount.
struct ItemFields {
  std::string code;
  std::string name;
  std::string nameKana;
  std::string unit;
  std::string priceText;
  std::string costText;
  std::string speedCode;
  std::string note;
  int32_t taxClass = 0;
  int32_t group1 = 0;
  int32_t group2 = 0;
  int32_t group3 = 0;
};

// Appends a product with a new id; false when an amount does not parse.
bool AddItem(ItemList& items, const ItemFields& fields);
// Replaces every field but the id.
bool UpdateItem(ItemList& items, int index, const ItemFields& fields);
