#include "item_list.h"

#include <gtest/gtest.h>

#include "group_list.h"
#include "list_test_util.h"
#include "text_list.h"

namespace {

void AddItem(ItemList& list, const std::string& speed, const std::string& price = "100") {
  ASSERT_TRUE(
      list.Add("C" + speed, "name" + speed, "kana", "pc", price, "50", speed, "", 0, 0, 0, 0));
}

std::vector<int32_t> Ids(const ItemList& list) {
  std::vector<int32_t> ids;
  for (const ItemRecord& r : list.Records()) ids.push_back(r.id);
  return ids;
}

TEST(ItemList, NewIdsCountUpFromTheCountPastUsedOnes) {
  ItemList list;
  AddItem(list, "a");
  AddItem(list, "b");
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{0, 1}));
  list.Delete(0);  // ids {1}: counting starts at 1, which is taken
  AddItem(list, "c");
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{1, 2}));
  list.Delete(1);  // the last one goes; its id may come back
  AddItem(list, "d");
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(list.GetById(2).speedCode, "d");
}

TEST(ItemList, LookupsOfMissingRecordsGiveBlanksNotForeignMemory) {
  ItemList list;
  EXPECT_EQ(list.Get(0), ItemRecord{});  // an empty product list clicked
  AddItem(list, "a");
  EXPECT_EQ(list.GetById(7), ItemRecord{});  // an id a damaged file names
  EXPECT_EQ(list.FindById(7), nullptr);
  EXPECT_EQ(list.Get(-1), ItemRecord{});
  EXPECT_EQ(list.Get(1), ItemRecord{});
  ASSERT_NE(list.FindById(0), nullptr);
  EXPECT_EQ(list.FindById(0)->speedCode, "a");
}

TEST(ItemList, AddAndUpdateReadTypedAmountsAndRefuseBadOnes) {
  ItemList list;
  ASSERT_TRUE(list.Add("A1", "n", "k", "u", "1,234.5678", "(12)", "s", "note", 1, 2, 3, 4));
  ItemRecord r = list.Get(0);
  EXPECT_EQ(r.price, MoneyFromText("1234.5678"));
  EXPECT_EQ(r.cost, MoneyFromText("12"));
  EXPECT_FALSE(list.Add("A2", "n", "k", "u", "abc", "0", "", "", 0, 0, 0, 0));
  EXPECT_EQ(list.Count(), 1);
  EXPECT_FALSE(list.Update(0, "X", "n", "k", "u", "1", "", "", "", 0, 0, 0, 0));
  EXPECT_EQ(list.Get(0), r);  // a refused update changes nothing
  ASSERT_TRUE(list.Update(0, "X", "n2", "k2", "u2", "5", "6", "s2", "", 2, 0, 0, 0));
  EXPECT_EQ(list.Get(0).id, r.id);
  EXPECT_EQ(list.Get(0).code, "X");
  EXPECT_EQ(list.Get(0).taxClass, 2);
}

TEST(ItemList, FilterBySpeedCodeMatchesPrefixesBytewise) {
  ItemList list;
  for (const char* s : {"1", "21", "10", "123", "", "A1", "a1"}) AddItem(list, s);
  ItemList filtered;
  EXPECT_EQ(&list.FilterBySpeedCode("", filtered), &list);
  const ItemList& ones = list.FilterBySpeedCode("1", filtered);
  std::vector<std::string> codes;
  for (const ItemRecord& r : ones.Records()) codes.push_back(r.speedCode);
  EXPECT_EQ(codes, (std::vector<std::string>{"1", "10", "123"}));
  EXPECT_EQ(list.FilterBySpeedCode("A", filtered).Count(), 1);
  EXPECT_EQ(list.FilterBySpeedCode("9", filtered).Count(), 0);
}

TEST(ItemList, MovesExchangeNeighboursWithinBounds) {
  ItemList list;
  for (const char* s : {"a", "b", "c"}) AddItem(list, s);
  EXPECT_FALSE(list.MoveUp(0));
  EXPECT_FALSE(list.MoveDown(2));
  EXPECT_TRUE(list.MoveUp(2));
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{0, 2, 1}));
  EXPECT_TRUE(list.MoveDown(0));
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{2, 0, 1}));
}

TEST(ItemList, RoundTripsIdsOrderAndEveryField) {
  ItemList list;
  ASSERT_TRUE(list.Add("C-01", "\x8F\xA4\x95\x69", "\xBC\xAE\xB3\xCB\xDD", "\x8C\xC2", "1234.5678",
                       "-0.0001", "12", "", 1, 2, 3, 4));
  AddItem(list, "x");
  list.MoveDown(0);
  for (const std::string pw : {"", "pw"}) {
    ItemList back;
    ASSERT_TRUE(RoundTrip(list, back, pw));
    EXPECT_EQ(back.Records(), list.Records());
  }
}

TEST(ItemList, DamagedStreamStopsTheLoadAndReportsIt) {
  ItemList list;
  AddItem(list, "a");
  AddItem(list, "b");
  std::string bytes = Saved(list);
  ItemList back;
  {
    std::string cut = bytes.substr(0, bytes.size() - 3);
    ByteReader r(cut);
    EXPECT_FALSE(back.LoadFromStream(r, FieldKey()));
    EXPECT_EQ(back.Count(), 2);  // sized to the stored count, first record read
    EXPECT_EQ(back.Get(0), list.Get(0));
  }
  {
    // A count far beyond the data is refused before anything is allocated.
    ByteWriter w;
    WriteField(w, "2000000000", FieldKey());
    ByteReader r(w.Data());
    EXPECT_FALSE(back.LoadFromStream(r, FieldKey()));
    EXPECT_EQ(back.Count(), 0);
  }
  {
    ByteWriter w;
    WriteField(w, "1", FieldKey());
    WriteField(w, "zero", FieldKey());  // the id does not parse
    ByteReader r(w.Data());
    EXPECT_FALSE(back.LoadFromStream(r, FieldKey()));
  }
}

TEST(GroupList, ClearedListHoldsOnlyTheNoneEntry) {
  GroupList groups;
  ASSERT_EQ(groups.Count(), 1);
  EXPECT_EQ(groups.Get(0).id, 0);
  EXPECT_EQ(groups.Get(0).name, kGroupNoneName);
  groups.Add("a");
  groups.Add("b");
  EXPECT_EQ(groups.Get(2).id, 2);
  groups.Clear();
  EXPECT_EQ(groups.Count(), 1);
}

TEST(GroupList, LoadingOverwritesTheDefaultEntryAndTakesTheStoredCount) {
  GroupList stored;
  stored.Rename(0, "renamed");
  stored.Add("x");
  GroupList back;
  back.Add("will go");
  back.Add("will go too");
  back.Add("and this");
  ASSERT_TRUE(RoundTrip(stored, back));
  EXPECT_EQ(back.Records(), stored.Records());
  EXPECT_EQ(back.Get(0).name, "renamed");

  ByteWriter empty;
  WriteField(empty, "0", FieldKey());
  ByteReader r(empty.Data());
  ASSERT_TRUE(back.LoadFromStream(r, FieldKey()));
  EXPECT_EQ(back.Count(), 0);
}

TEST(TanniList, KeepsOrderAndDuplicatesThroughSaveAndMoves) {
  TanniList units;
  for (const char* u : {"kg", "pc", "kg"}) units.Add(u);
  EXPECT_TRUE(units.MoveUp(1));
  EXPECT_FALSE(units.MoveUp(0));
  EXPECT_FALSE(units.MoveDown(2));
  EXPECT_TRUE(units.Put(2, "box"));
  EXPECT_FALSE(units.Put(3, "no"));
  TanniList back;
  ASSERT_TRUE(RoundTrip(units, back, "pw"));
  EXPECT_EQ(back.Strings(), (std::vector<std::string>{"pc", "kg", "box"}));
  EXPECT_TRUE(back.Delete(0));
  EXPECT_EQ(back.Strings(), (std::vector<std::string>{"kg", "box"}));
}

}  // namespace
