#include "group_list.h"

void GroupRecord::Write(FieldOut& out) const {
  out.Int(id);
  out.Text(name);
}

void GroupRecord::Read(FieldIn& in) {
  id = in.Int();
  name = in.Text();
}

bool GroupList::Clear() {
  Mutable().assign(1, GroupRecord{0, kGroupNoneName});
  return true;
}

bool GroupList::Add(std::string_view name) {
  Mutable().push_back(GroupRecord{NewId(), std::string(name)});
  return true;
}

bool GroupList::Rename(int index, std::string_view name) {
  if (!Valid(index)) return false;
  Mutable()[static_cast<size_t>(index)].name = name;
  return true;
}

bool GroupList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  return SaveRecords(stream, key);
}

bool GroupList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  return LoadRecords(stream, key);
}
