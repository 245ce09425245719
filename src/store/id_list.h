#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "field_stream.h"
#include "list_moves.h"

// The shared core of the lists whose records carry an id unique within the list.
// Records go in and out as copies. A damaged but readable file can name ids that no
// record has, so lookups never read outside the list: they give a blank record or null.
template <typename Record>
class IdList {
 public:
  int Count() const { return static_cast<int>(records_.size()); }
  bool Exists(int32_t id) const { return IndexOf(id) >= 0; }
  int IndexOf(int32_t id) const {
    for (size_t i = 0; i < records_.size(); ++i) {
      if (records_[i].id == id) return static_cast<int>(i);
    }
    return -1;
  }
  // A blank record for an index outside the list.
  Record Get(int index) const {
    return Valid(index) ? records_[static_cast<size_t>(index)] : Record{};
  }
  // A blank record when no record has the id; FindById tells the two apart.
  Record GetById(int32_t id) const { return Get(IndexOf(id)); }
  const Record* FindById(int32_t id) const {
    const int index = IndexOf(id);
    return index < 0 ? nullptr : &records_[static_cast<size_t>(index)];
  }

  // Appends a copy with its own id, only when no record has that id yet.
  bool AddRecord(const Record& record) {
    if (Exists(record.id)) return false;
    records_.push_back(record);
    return true;
  }
  bool Delete(int index) {
    if (!Valid(index)) return false;
    records_.erase(records_.begin() + index);
    return true;
  }
  bool MoveUp(int index) { return MoveUpIn(records_, index); }
  bool MoveDown(int index) { return MoveDownIn(records_, index); }

  // Counting upward from the current count to the first value no record uses, so ids of
  // deleted records can come back.
  int32_t NewId() const {
    int32_t id = Count();
    while (Exists(id)) ++id;
    return id;
  }

  const std::vector<Record>& Records() const { return records_; }
  // Takes over whole records as they are, ids included: for building a list from outside
  // data whose ids the caller has checked.
  void AssignRecords(std::vector<Record> records) { records_ = std::move(records); }

 protected:
  bool Valid(int index) const { return index >= 0 && index < Count(); }
  std::vector<Record>& Mutable() { return records_; }

  bool SaveRecords(ByteWriter& stream, const FieldKey& key) const {
    FieldOut out(stream, key);
    out.Int(Count());
    for (const Record& r : records_) r.Write(out);
    return true;
  }
  // Sizes the list to the stored count and overwrites from the first entry; a record
  // that cannot be read stops the load, keeping what was read.
  bool LoadRecords(ByteReader& stream, const FieldKey& key) {
    try {
      FieldIn in(stream, key);
      records_.resize(static_cast<size_t>(in.Count(Record::kFieldCount)));
      for (Record& r : records_) r.Read(in);
      return true;
    } catch (const std::exception&) {
      return false;
    }
  }

 private:
  std::vector<Record> records_;
};
