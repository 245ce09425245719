#include "delivery_note_values.h"

#include <gtest/gtest.h>

#include <array>

#include "dates.h"
#include "slip_values.h"

namespace {

Money M(const char* text) {
  return MoneyFromText(text);
}

// Products with ids equal to their tax class: 0 excluded, 1 included, 2 untaxed.
class DeliveryNoteValuesTest : public testing::Test {
 protected:
  void SetUp() override {
    doc.items.Add("EX", "excluded", "", "本", "100", "0", "", "", 0, 0, 0, 0);
    doc.items.Add("IN", "included", "", "個", "100", "0", "", "", 1, 0, 0, 0);
    doc.items.Add("UN", "untaxed", "", "枚", "100", "0", "", "", 2, 0, 0, 0);
  }
  Slip Make(int kind, std::initializer_list<std::array<const char*, 3>> lines) {
    Slip s;
    s.kind = kind;
    s.date = EncodeDate(2000, 5, 1);  // 5 %
    for (const auto& l : lines) s.AddLine(l[0], l[1], l[2], "");
    doc.slips.Add(s);
    return s;
  }
  Document doc;
};

}  // namespace

TEST_F(DeliveryNoteValuesTest, TaxIsRoundedLineByLine) {
  const Slip s = Make(1, {{"0", "99", "1"}, {"0", "99", "1"}, {"0", "99", "1"}});
  const DeliveryNoteValues v = ComputeDeliveryNote(doc, s, 0);
  EXPECT_EQ(v.subtotal, M("297"));
  EXPECT_EQ(v.tax, M("12"));  // 4 + 4 + 4, not the 14 of 297
  EXPECT_EQ(v.total, M("309"));
}

TEST_F(DeliveryNoteValuesTest, TheTotalIsTheSlipValueForEveryMethodAndReturns) {
  struct Case {
    int kind;
    const char* price;
    const char* quantity;
  };
  const Case cases[] = {{1, "10.5", "3"}, {1, "33.3", "7"}, {3, "10.5", "3"}, {3, "0.35", "3"}};
  for (const Case& k : cases) {
    const Slip s =
        Make(k.kind,
             {{"0", k.price, k.quantity}, {"1", k.price, k.quantity}, {"2", k.price, k.quantity}});
    for (int rounding = 0; rounding < 3; ++rounding) {
      const DeliveryNoteValues v = ComputeDeliveryNote(doc, s, rounding);
      EXPECT_EQ(v.total, SlipTotal(doc, s.id, rounding))
          << k.kind << " " << k.price << " x " << k.quantity << " method " << rounding;
      Money sum;
      for (const DeliveryNoteLine& l : v.lines) sum += l.amount;
      EXPECT_EQ(v.subtotal, sum);
      for (const DeliveryNoteLine& l : v.lines) EXPECT_TRUE(l.amount.IsWhole());
    }
  }
}

TEST_F(DeliveryNoteValuesTest, ReturnsAreNegatedAndIncludedTaxIsNotAddedAgain) {
  const Slip s = Make(3, {{"1", "105", "2"}});
  const DeliveryNoteValues v = ComputeDeliveryNote(doc, s, 0);
  ASSERT_EQ(v.lines.size(), 1u);
  EXPECT_EQ(v.lines[0].quantity, M("-2"));
  EXPECT_EQ(v.lines[0].amount, M("-210"));
  EXPECT_EQ(v.tax, M("0"));         // nothing is added to a tax-included price
  EXPECT_EQ(v.innerTax, M("-10"));  // 210 x 5 / 105 inside it
  EXPECT_EQ(v.total, M("-210"));
}

TEST_F(DeliveryNoteValuesTest, ALineWhoseProductIsGoneIsBlankAndUntaxed) {
  const Slip s = Make(1, {{"77", "100", "1"}});
  const DeliveryNoteValues v = ComputeDeliveryNote(doc, s, 0);
  ASSERT_EQ(v.lines.size(), 1u);
  EXPECT_TRUE(v.lines[0].code.empty());
  EXPECT_TRUE(v.lines[0].name.empty());
  EXPECT_TRUE(v.lines[0].unit.empty());
  EXPECT_EQ(v.tax, Money{});
  EXPECT_EQ(v.total, M("100"));
}
