#include "name_list_source.h"

#include "group_list.h"
#include "item_list.h"
#include "text_list.h"

namespace {

int32_t GroupOf(const ItemRecord& item, int part) {
  switch (part) {
    case 0:
      return item.group1;
    case 1:
      return item.group2;
    default:
      return item.group3;
  }
}

class GroupNameList : public NameListSource {
 public:
  GroupNameList(std::array<GroupList, 3>& groups, const ItemList& items)
      : groups_(groups), items_(items) {}

  void ChoosePart(int part) override { part_ = part; }
  std::vector<std::string> Names() const override {
    std::vector<std::string> names;
    for (const GroupRecord& g : List().Records()) names.push_back(g.name);
    return names;
  }
  void Add(const std::string& name) override { List().Add(name); }
  void Put(int index, const std::string& name) override { List().Rename(index, name); }
  void Delete(int index) override { List().Delete(index); }
  void MoveUp(int index) override { List().MoveUp(index); }
  void MoveDown(int index) override { List().MoveDown(index); }
  bool IsUsed(int index) const override {
    const int32_t id = List().Get(index).id;
    for (const ItemRecord& item : items_.Records()) {
      if (GroupOf(item, part_) == id) return true;
    }
    return false;
  }

 private:
  GroupList& List() const { return groups_[static_cast<size_t>(part_)]; }

  std::array<GroupList, 3>& groups_;
  const ItemList& items_;
  int part_ = 0;
};

class TextNameList : public NameListSource {
 public:
  explicit TextNameList(TextList& list) : list_(list) {}

  std::vector<std::string> Names() const override { return list_.Strings(); }
  void Add(const std::string& name) override { list_.Add(name); }
  void Put(int index, const std::string& name) override { list_.Put(index, name); }
  void Delete(int index) override { list_.Delete(index); }
  void MoveUp(int index) override { Exchange(index - 1, index); }
  void MoveDown(int index) override { Exchange(index, index + 1); }

 private:
  void Exchange(int a, int b) {
    const std::vector<std::string>& texts = list_.Strings();
    const std::string first = texts[static_cast<size_t>(a)];
    list_.Put(a, texts[static_cast<size_t>(b)]);
    list_.Put(b, first);
  }

  TextList& list_;
};

}  // namespace

std::unique_ptr<NameListSource> GroupNames(std::array<GroupList, 3>& groups,
                                           const ItemList& items) {
  return std::make_unique<GroupNameList>(groups, items);
}

std::unique_ptr<NameListSource> TextNames(TextList& list) {
  return std::make_unique<TextNameList>(list);
}
