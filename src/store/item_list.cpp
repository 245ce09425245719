#include "item_list.h"

void ItemRecord::Write(FieldOut& out) const {
  out.Int(id);
  out.Text(code);
  out.Text(name);
  out.Text(nameKana);
  out.Text(unit);
  out.Amount(price);
  out.Amount(cost);
  out.Text(speedCode);
  out.Text(note);
  out.Int(taxClass);
  out.Int(group1);
  out.Int(group2);
  out.Int(group3);
}

void ItemRecord::Read(FieldIn& in) {
  id = in.Int();
  code = in.Text();
  name = in.Text();
  nameKana = in.Text();
  unit = in.Text();
  price = in.Amount();
  cost = in.Amount();
  speedCode = in.Text();
  note = in.Text();
  taxClass = in.Int();
  group1 = in.Int();
  group2 = in.Int();
  group3 = in.Int();
}

namespace {

// Fills everything but the id; amounts are parsed first so a bad one changes nothing.
bool Fill(ItemRecord& r, std::string_view code, std::string_view name, std::string_view nameKana,
          std::string_view unit, std::string_view priceText, std::string_view costText,
          std::string_view speedCode, std::string_view note, int32_t taxClass, int32_t group1,
          int32_t group2, int32_t group3) {
  try {
    const Money price = ParseAmount(priceText);
    const Money cost = ParseAmount(costText);
    r.code = code;
    r.name = name;
    r.nameKana = nameKana;
    r.unit = unit;
    r.price = price;
    r.cost = cost;
    r.speedCode = speedCode;
    r.note = note;
    r.taxClass = taxClass;
    r.group1 = group1;
    r.group2 = group2;
    r.group3 = group3;
    return true;
  } catch (const ConvertError&) {
    return false;
  }
}

}  // namespace

bool ItemList::Clear() {
  Mutable().clear();
  return true;
}

bool ItemList::Add(std::string_view code, std::string_view name, std::string_view nameKana,
                   std::string_view unit, std::string_view priceText, std::string_view costText,
                   std::string_view speedCode, std::string_view note, int32_t taxClass,
                   int32_t group1, int32_t group2, int32_t group3) {
  ItemRecord r;
  r.id = NewId();
  if (!Fill(r, code, name, nameKana, unit, priceText, costText, speedCode, note, taxClass, group1,
            group2, group3)) {
    return false;
  }
  Mutable().push_back(std::move(r));
  return true;
}

bool ItemList::Update(int index, std::string_view code, std::string_view name,
                      std::string_view nameKana, std::string_view unit, std::string_view priceText,
                      std::string_view costText, std::string_view speedCode, std::string_view note,
                      int32_t taxClass, int32_t group1, int32_t group2, int32_t group3) {
  if (!Valid(index)) return false;
  return Fill(Mutable()[static_cast<size_t>(index)], code, name, nameKana, unit, priceText,
              costText, speedCode, note, taxClass, group1, group2, group3);
}

const ItemList& ItemList::FilterBySpeedCode(std::string_view prefix, ItemList& filtered) const {
  if (prefix.empty()) return *this;
  filtered.Clear();
  for (const ItemRecord& r : Records()) {
    if (std::string_view(r.speedCode).starts_with(prefix)) filtered.AddRecord(r);
  }
  return filtered;
}

bool ItemList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  return SaveRecords(stream, key);
}

bool ItemList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  return LoadRecords(stream, key);
}
