#pragma once

#include <cstdint>
#include <unordered_map>

#include "document.h"

// Records of one list by id, indexed once per computation so no line or slip searches
// the list. Find gives nullptr when no record has the id (a damaged but readable file);
// the first record wins when a damaged file repeats an id, as IndexOf would find it.
template <typename Record>
class IdIndex {
 public:
  explicit IdIndex(const IdList<Record>& list) {
    byId_.reserve(list.Records().size());
    for (const Record& r : list.Records()) byId_.emplace(r.id, &r);
  }
  const Record* Find(int32_t id) const {
    const auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
  }

 private:
  std::unordered_map<int32_t, const Record*> byId_;
};

using ItemIndex = IdIndex<ItemRecord>;
using PartnerIndex = IdIndex<CustomerRecord>;
