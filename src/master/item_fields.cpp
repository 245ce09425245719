#include "item_fields.h"

#include "document.h"

namespace {

// The product entry window stores a series of products while it stays open, so each one
// counts as a change of its own.
void MarkReduced(Document& doc, int32_t id, bool on) {
  if (on) {
    doc.invoice.reducedItems.insert(id);
  } else {
    doc.invoice.reducedItems.erase(id);
  }
  doc.MarkChanged();
}

}  // namespace

bool AddItem(Document& doc, const ItemFields& f) {
  if (!doc.items.Add(f.code, f.name, f.nameKana, f.unit, f.priceText, f.costText, f.speedCode,
                     f.note, f.taxClass, f.group1, f.group2, f.group3)) {
    return false;
  }
  MarkReduced(doc, doc.items.Get(doc.items.Count() - 1).id, f.reducedTax);
  return true;
}

bool UpdateItem(Document& doc, int index, const ItemFields& f) {
  if (!doc.items.Update(index, f.code, f.name, f.nameKana, f.unit, f.priceText, f.costText,
                        f.speedCode, f.note, f.taxClass, f.group1, f.group2, f.group3)) {
    return false;
  }
  MarkReduced(doc, doc.items.Get(index).id, f.reducedTax);
  return true;
}

void DeleteItem(Document& doc, int index) {
  if (index < 0 || index >= doc.items.Count()) return;
  doc.invoice.reducedItems.erase(doc.items.Get(index).id);
  doc.items.Delete(index);
}
