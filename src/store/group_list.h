#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "id_list.h"

// "指定なし" (none) in CP932: the fixed first entry of every classification list.
inline constexpr char kGroupNoneName[] = "\x8E\x77\x92\xE8\x82\xC8\x82\xB5";

struct GroupRecord {
  static constexpr int kFieldCount = 2;

  int32_t id = 0;
  std::string name;

  void Write(FieldOut& out) const;
  void Read(FieldIn& in);
  friend bool operator==(const GroupRecord&, const GroupRecord&) = default;
};

// One product classification. Cleared, it holds exactly the entry id 0 "指定なし"; the
// screens keep that entry from being renamed, moved or deleted.
class GroupList : public IdList<GroupRecord> {
 public:
  GroupList() { Clear(); }

  bool Clear();
  bool Add(std::string_view name);
  bool Rename(int index, std::string_view name);

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);
};
