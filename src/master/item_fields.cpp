#include "item_fields.h"

#include "item_list.h"

bool AddItem(ItemList& items, const ItemFields& f) {
  return items.Add(f.code, f.name, f.nameKana, f.unit, f.priceText, f.costText, f.speedCode, f.note,
                   f.taxClass, f.group1, f.group2, f.group3);
}

bool UpdateItem(ItemList& items, int index, const ItemFields& f) {
  return items.Update(index, f.code, f.name, f.nameKana, f.unit, f.priceText, f.costText,
                      f.speedCode, f.note, f.taxClass, f.group1, f.group2, f.group3);
}
