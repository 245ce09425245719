#pragma once

#include <cstdint>
#include <string>

struct Document;

// A product as the entry window hands it over: texts as typed (CP932), the price and the
// cost as typed amounts, which the list reads with ParseAmount, and whether it sells at
// the reduced rate.
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
  bool reducedTax = false;
};

// The reduced-rate mark lives beside the product list, keyed by id; these keep it in step.
// Appends a product with a new id; false when an amount does not parse.
bool AddItem(Document& doc, const ItemFields& fields);
// Replaces every field but the id.
bool UpdateItem(Document& doc, int index, const ItemFields& fields);
// Deletes the product and its mark, so that no later product inherits the id's mark.
void DeleteItem(Document& doc, int index);
