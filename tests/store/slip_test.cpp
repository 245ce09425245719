#include "slip.h"

#include <gtest/gtest.h>

#include "dates.h"
#include "list_test_util.h"

namespace {

Slip MakeSlip(int kind, double date) {
  Slip s;
  s.kind = kind;
  s.date = date;
  return s;
}

std::vector<int32_t> Ids(const SlipList& list) {
  std::vector<int32_t> ids;
  for (const Slip& s : list.Slips()) ids.push_back(s.id);
  return ids;
}

TEST(SlipList, NewIdsCountUpFromTheCount) {
  SlipList list;
  for (int i = 0; i < 3; ++i) {
    Slip s = MakeSlip(1, 100);
    list.Add(s);
    EXPECT_EQ(s.id, i);  // written back into the caller's slip
  }
  list.Delete(1);
  Slip s = MakeSlip(1, 100);
  list.Add(s);
  EXPECT_EQ(s.id, 3);
  EXPECT_EQ(Ids(list), (std::vector<int32_t>{0, 2, 3}));
}

TEST(SlipList, StoredSlipsAndCopiesNeverShareLines) {
  SlipList list;
  Slip s = MakeSlip(1, 100);
  s.AddLine("5", "10", "2", "");
  list.Add(s);
  s.AddLine("6", "1", "1", "");
  EXPECT_EQ(list.Get(0).LineCount(), 1);
  Slip copy = list.Get(0);
  copy.DeleteLine(0);
  EXPECT_EQ(list.Find(s.id)->LineCount(), 1);
  copy.note = "changed";
  EXPECT_TRUE(list.Update(copy));
  EXPECT_EQ(list.Get(0).LineCount(), 0);
  EXPECT_EQ(list.Find(99), nullptr);
}

TEST(Slip, LineNotesStayAsTypedOnAddAndUpdate) {
  Slip s;
  ASSERT_TRUE(s.AddLine("1", "1,000", "(2)", "(税込)"));
  EXPECT_EQ(s.GetLine(0).note, "(税込)");
  EXPECT_EQ(s.GetLine(0).price, Money::FromInt(1000));
  EXPECT_EQ(s.GetLine(0).quantity, Money::FromInt(2));
  // Changing only the quantity must not rewrite the remark.
  ASSERT_TRUE(s.UpdateLine(0, 7, "1,000円引(特価)", "3", "98"));
  EXPECT_EQ(s.GetLine(0).note, "1,000円引(特価)");
  EXPECT_EQ(s.GetLine(0).product, 7);
  EXPECT_EQ(s.GetLine(0).quantity, Money::FromInt(3));  // quantity before unit price
  EXPECT_EQ(s.GetLine(0).price, Money::FromInt(98));
  EXPECT_EQ(s.ExactLineAmount(0), Money::FromInt(294));
  EXPECT_FALSE(s.AddLine("x", "1", "1", ""));
  EXPECT_FALSE(s.UpdateLine(0, 7, "", "three", "98"));
  EXPECT_EQ(s.LineCount(), 1);
  EXPECT_EQ(s.GetLine(1), SlipLine{});  // outside the slip: blank, not foreign memory
  EXPECT_EQ(s.ExactLineAmount(-1), Money{});
  EXPECT_TRUE(s.UsesProduct(7));
  EXPECT_FALSE(s.UsesProduct(1));
}

TEST(SlipList, SortByDateOrdersTheRangeBothWays) {
  SlipList list;
  const double dates[] = {5, 3, 9, 1, 7, 3, 8};
  for (double d : dates) {
    Slip s = MakeSlip(1, d);
    list.AddKeepingId(s);
  }
  list.SortByDate(0, list.Count() - 1, true);
  for (int i = 1; i < list.Count(); ++i) EXPECT_LE(list.Get(i - 1).date, list.Get(i).date);
  list.SortByDate(0, list.Count() - 1, false);
  for (int i = 1; i < list.Count(); ++i) EXPECT_GE(list.Get(i - 1).date, list.Get(i).date);
  list.SortByDate(2, 4, true);  // only the range moves
  EXPECT_EQ(list.Get(0).date, 9);
  EXPECT_EQ(list.Get(1).date, 8);
  EXPECT_EQ(list.Get(5).date, 3);

  SlipList empty;
  empty.SortByDate(0, -1, true);
  EXPECT_EQ(empty.Count(), 0);
}

// Slips of one day keep the order they were entered, oldest day first or last.
TEST(SlipList, SlipsOfOneDayKeepTheOrderTheyWereEntered) {
  SlipList list;
  for (int i = 0; i < 7; ++i) {
    Slip s = MakeSlip(1, 10);
    s.number = std::to_string(i);
    list.Add(s);
  }
  Slip earlier = MakeSlip(1, 5);
  earlier.number = "early";
  list.Add(earlier);
  const auto numbers = [&list] {
    std::string out;
    for (const Slip& s : list.Slips()) out += s.number + " ";
    return out;
  };
  list.SortByDate(0, list.Count() - 1, true);
  EXPECT_EQ(numbers(), "early 0 1 2 3 4 5 6 ");
  list.SortByDate(0, list.Count() - 1, false);
  EXPECT_EQ(numbers(), "0 1 2 3 4 5 6 early ");
}

TEST(SlipList, SortingManyEqualOrSortedDatesStaysShallow) {
  SlipList list;
  for (int i = 0; i < 20000; ++i) list.AddKeepingId(MakeSlip(1, i < 10000 ? 1 : i));
  list.SortByDate(0, list.Count() - 1, false);
  for (int i = 1; i < list.Count(); ++i) ASSERT_GE(list.Get(i - 1).date, list.Get(i).date);
}

TEST(SlipList, RoundTripsSlipsWithLines) {
  SlipList list;
  Slip a = MakeSlip(3, EncodeDate(2026, 12, 8));
  a.number = "No.12";
  a.partner = 4;
  a.note = "memo";
  a.AddLine("1", "98.5", "2.25", "note");
  a.AddLine("2", "-0.0001", "0", "");
  list.Add(a);
  Slip b = MakeSlip(0, EncodeDate(2026, 1, 1));
  list.Add(b);
  for (const std::string pw : {"", "pw"}) {
    SlipList back;
    ASSERT_TRUE(RoundTrip(list, back, pw));
    EXPECT_EQ(back.Slips(), list.Slips());
  }
  EXPECT_TRUE(list.IsProductUsed(2));
  EXPECT_FALSE(list.IsProductUsed(3));
}

}  // namespace
