#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "field_stream.h"

// A list of texts in display order, duplicates allowed: units and remark phrases.
class TextList {
 public:
  bool Clear();
  bool Add(std::string_view text);
  bool Put(int index, std::string_view text);
  bool Delete(int index);
  int Count() const { return static_cast<int>(texts_.size()); }
  const std::vector<std::string>& Strings() const { return texts_; }

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);

 protected:
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  std::vector<std::string>& Mutable() { return texts_; }

 private:
  std::vector<std::string> texts_;
};

// Units of measure (単位); the user orders them.
class TanniList : public TextList {
 public:
  bool MoveUp(int index);
  bool MoveDown(int index);
};

// Remark phrases offered for slip lines; no reordering.
class LineNoteList : public TextList {};
