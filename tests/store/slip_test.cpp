#include "slip.h"

#include <gtest/gtest.h>

#include "dates.h"
#include "document.h"
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

TEST(Slip, LineNotesAreCleanedOnUpdateOnly) {
  Slip s;
  ASSERT_TRUE(s.AddLine("1", "1,000", "(2)", "(税込)"));
  EXPECT_EQ(s.GetLine(0).note, "(税込)");
  EXPECT_EQ(s.GetLine(0).price, Money::FromInt(1000));
  EXPECT_EQ(s.GetLine(0).quantity, Money::FromInt(2));
  ASSERT_TRUE(s.UpdateLine(0, 7, "(税込)", "3", "98"));
  EXPECT_EQ(s.GetLine(0).note, "税込");
  EXPECT_EQ(s.GetLine(0).product, 7);
  EXPECT_EQ(s.GetLine(0).quantity, Money::FromInt(3));  // quantity before unit price
  EXPECT_EQ(s.GetLine(0).price, Money::FromInt(98));
  EXPECT_EQ(s.LineAmount(0), Money::FromInt(294));
  EXPECT_FALSE(s.AddLine("x", "1", "1", ""));
  EXPECT_FALSE(s.UpdateLine(0, 7, "", "three", "98"));
  EXPECT_EQ(s.LineCount(), 1);
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

class SlipTotalTest : public testing::Test {
 protected:
  void SetUp() override {
    doc.items.Add("T", "excluded", "", "", "98", "0", "", "", 0, 0, 0, 0);  // id 0
    doc.items.Add("I", "included", "", "", "98", "0", "", "", 1, 0, 0, 0);  // id 1
    doc.items.Add("N", "untaxed", "", "", "98", "0", "", "", 2, 0, 0, 0);   // id 2
  }
  int32_t AddSlip(int kind, double date, const std::string& item) {
    Slip s = MakeSlip(kind, date);
    s.AddLine(item, "98", "3", "");
    doc.slips.Add(s);
    return s.id;
  }
  Document doc;
  const double may2000 = EncodeDate(2000, 5, 1);
};

TEST_F(SlipTotalTest, RoundsTaxPerLineByTheMethod) {
  const int32_t id = AddSlip(1, may2000, "0");  // 294 at 5 % is 308.7
  EXPECT_EQ(SlipTotal(doc, id, 0), Money::FromInt(308));
  EXPECT_EQ(SlipTotal(doc, id, 1), Money::FromInt(309));
  EXPECT_EQ(SlipTotal(doc, id, 2), Money::FromInt(309));
}

TEST_F(SlipTotalTest, ReturnsSubtract) {
  EXPECT_EQ(SlipTotal(doc, AddSlip(3, may2000, "0"), 0), Money::FromInt(-308));
  EXPECT_EQ(SlipTotal(doc, AddSlip(2, may2000, "0"), 2), Money::FromInt(-309));
}

TEST_F(SlipTotalTest, TaxIncludedAndUntaxedAddNoTax) {
  doc.taxes.Add(EncodeDate(2000, 1, 1), Money::FromInt(10));
  EXPECT_EQ(SlipTotal(doc, AddSlip(1, may2000, "1"), 0), Money::FromInt(294));
  EXPECT_EQ(SlipTotal(doc, AddSlip(1, may2000, "2"), 0), Money::FromInt(294));
  EXPECT_EQ(SlipTotal(doc, AddSlip(1, may2000, "0"), 0), Money::FromInt(323));  // 323.4
}

TEST_F(SlipTotalTest, LineAmountIsRoundedBeforeTax) {
  Slip s = MakeSlip(1, may2000);
  s.AddLine("0", "10.5", "1", "");  // 10.5 -> 10 -> 10.5 -> 10
  s.AddLine("0", "0.99", "1", "");  // 0.99 -> 0
  doc.slips.Add(s);
  EXPECT_EQ(SlipTotal(doc, s.id, 0), Money::FromInt(10));
  EXPECT_EQ(SlipTotal(doc, s.id, 1), Money::FromInt(12 + 2));  // 11 -> 11.55 -> 12; 1 -> 2
}

TEST_F(SlipTotalTest, NoLinesOrNoRateGiveNoTax) {
  Slip empty = MakeSlip(1, may2000);
  doc.slips.Add(empty);
  EXPECT_EQ(SlipTotal(doc, empty.id, 2), Money{});
  EXPECT_EQ(SlipTotal(doc, AddSlip(1, EncodeDate(1989, 3, 31), "0"), 0), Money::FromInt(294));
}

}  // namespace
