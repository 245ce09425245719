#include "slip.h"

#include "date_sort.h"
#include "number_text.h"

bool Slip::ClearLines() {
  lines_.clear();
  return true;
}

bool Slip::AddLine(std::string_view productId, std::string_view priceText,
                   std::string_view quantityText, std::string_view note) {
  try {
    SlipLine line{TextToInt(productId), ParseAmount(priceText), ParseAmount(quantityText),
                  std::string(note)};
    lines_.push_back(std::move(line));
    return true;
  } catch (const ConvertError&) {
    return false;
  }
}

bool Slip::UpdateLine(int index, int32_t productId, std::string_view note,
                      std::string_view quantityText, std::string_view priceText) {
  if (index < 0 || index >= LineCount()) return false;
  try {
    SlipLine line{productId, ParseAmount(priceText), ParseAmount(quantityText), std::string(note)};
    lines_[static_cast<size_t>(index)] = std::move(line);
    return true;
  } catch (const ConvertError&) {
    return false;
  }
}

bool Slip::DeleteLine(int index) {
  if (index < 0 || index >= LineCount()) return false;
  lines_.erase(lines_.begin() + index);
  return true;
}

Money Slip::ExactLineAmount(int index) const {
  const SlipLine line = GetLine(index);
  return line.price * line.quantity;
}

bool Slip::UsesProduct(int32_t productId) const {
  for (const SlipLine& line : lines_) {
    if (line.product == productId) return true;
  }
  return false;
}

void Slip::Write(FieldOut& out) const {
  out.Int(id);
  out.Int(kind);
  out.Real(date);
  out.Text(number);
  out.Int(partner);
  out.Text(note);
  out.Int(LineCount());
  for (const SlipLine& line : lines_) {
    out.Int(line.product);
    out.Amount(line.price);
    out.Amount(line.quantity);
    out.Text(line.note);
  }
}

void Slip::Read(FieldIn& in) {
  ClearLines();
  id = in.Int();
  kind = in.Int();
  date = in.Date();
  number = in.Text();
  partner = in.Int();
  note = in.Text();
  lines_.resize(static_cast<size_t>(in.Count(4)));
  for (SlipLine& line : lines_) {
    line.product = in.Int();
    line.price = in.Amount();
    line.quantity = in.Amount();
    line.note = in.Text();
  }
}

bool Slip::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  FieldOut out(stream, key);
  Write(out);
  return true;
}

bool Slip::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  try {
    FieldIn in(stream, key);
    Read(in);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool SlipList::Clear() {
  slips_.clear();
  return true;
}

int32_t SlipList::NewId() const {
  int32_t id = Count();
  while (Exists(id)) ++id;
  return id;
}

bool SlipList::Add(Slip& slip) {
  slip.id = NewId();
  slips_.push_back(std::make_shared<const Slip>(slip));
  return true;
}

bool SlipList::AddKeepingId(const Slip& slip) {
  slips_.push_back(std::make_shared<const Slip>(slip));
  return true;
}

bool SlipList::Update(const Slip& slip) {
  const int index = IndexOf(slip.id);
  if (index < 0) return false;
  slips_[static_cast<size_t>(index)] = std::make_shared<const Slip>(slip);
  return true;
}

bool SlipList::Delete(int32_t slipId) {
  const int index = IndexOf(slipId);
  if (index < 0) return false;
  slips_.erase(slips_.begin() + index);
  return true;
}

int SlipList::IndexOf(int32_t slipId) const {
  for (size_t i = 0; i < slips_.size(); ++i) {
    if (slips_[i]->id == slipId) return static_cast<int>(i);
  }
  return -1;
}

const Slip* SlipList::Find(int32_t slipId) const {
  const int index = IndexOf(slipId);
  return index < 0 ? nullptr : slips_[static_cast<size_t>(index)].get();
}

bool SlipList::IsProductUsed(int32_t productId) const {
  for (const auto& slip : slips_) {
    if (slip->UsesProduct(productId)) return true;
  }
  return false;
}

void SlipList::SortByDate(int first, int last, bool ascending) {
  if (first < 0 || last >= Count()) return;
  SortRangeByDate(slips_, first, last, ascending, [](const auto& s) { return s->date; });
}

bool SlipList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  FieldOut out(stream, key);
  out.Int(Count());
  for (const auto& slip : slips_) slip->Write(out);
  return true;
}

bool SlipList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  try {
    FieldIn in(stream, key);
    // Sized to the stored count first: a slip that cannot be read leaves blank ones after
    // what was read, as the other lists do. The slips of a file share one block, as
    // compact as a plain array; a slip changed later gets a place of its own.
    const auto count = static_cast<size_t>(in.Count(7));
    const auto block = std::make_shared<std::vector<Slip>>(count);
    slips_.reserve(count);
    for (Slip& slip : *block) slips_.emplace_back(block, &slip);
    for (Slip& slip : *block) slip.Read(in);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
