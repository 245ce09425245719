#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

class GroupList;
class ItemList;
class TextList;

// One of the short name lists of the document (classifications, units, remark phrases) as
// the name-list windows edit it. Texts are CP932 bytes, as stored.
class NameListSource {
 public:
  virtual ~NameListSource() = default;

  // Lists that come in several parts (the three classifications) switch between them.
  virtual void ChoosePart(int /*part*/) {}
  virtual std::vector<std::string> Names() const = 0;
  virtual void Add(const std::string& name) = 0;
  virtual void Put(int index, const std::string& name) = 0;
  virtual void Delete(int index) = 0;
  virtual void MoveUp(int index) = 0;
  virtual void MoveDown(int index) = 0;
  // Whether records elsewhere refer to the entry, so that it may not be deleted.
  virtual bool IsUsed(int /*index*/) const { return false; }
};

// The three classification lists, part 0 to 2; an entry is used while a product holds
// its id in the same classification.
std::unique_ptr<NameListSource> GroupNames(std::array<GroupList, 3>& groups, const ItemList& items);
// Units or remark phrases; moving exchanges the two texts.
std::unique_ptr<NameListSource> TextNames(TextList& list);
