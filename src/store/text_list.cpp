#include "text_list.h"

#include "list_moves.h"

bool TextList::Clear() {
  texts_.clear();
  return true;
}

bool TextList::Add(std::string_view text) {
  texts_.emplace_back(text);
  return true;
}

bool TextList::Put(int index, std::string_view text) {
  if (!Valid(index)) return false;
  texts_[static_cast<size_t>(index)] = text;
  return true;
}

bool TextList::Delete(int index) {
  if (!Valid(index)) return false;
  texts_.erase(texts_.begin() + index);
  return true;
}

bool TextList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  FieldOut out(stream, key);
  out.Int(Count());
  for (const std::string& t : texts_) out.Text(t);
  return true;
}

bool TextList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  try {
    FieldIn in(stream, key);
    texts_.resize(static_cast<size_t>(in.Count(1)));
    for (std::string& t : texts_) t = in.Text();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TanniList::MoveUp(int index) {
  return MoveUpIn(Mutable(), index);
}

bool TanniList::MoveDown(int index) {
  return MoveDownIn(Mutable(), index);
}
