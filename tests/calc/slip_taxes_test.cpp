#include "slip_taxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "billing.h"
#include "dates.h"
#include "delivery_note_values.h"
#include "slip_values.h"

namespace {

Money M(const char* text) {
  return MoneyFromText(text);
}

constexpr int32_t kExcluded = 0;
constexpr int32_t kIncluded = 1;
constexpr int32_t kUntaxed = 2;
constexpr int kCustomers = 1;

// Products 0 and 1 at the standard rate, 2 untaxed, 3 and 4 food (marked when asked).
class SlipTaxesTest : public testing::Test {
 protected:
  void SetUp() override {
    doc.taxes.Add(EncodeDate(2014, 4, 1), M("8"));
    doc.taxes.Add(EncodeDate(2019, 10, 1), M("10"));
    doc.items.Add("EX", "excluded", "", "本", "0", "0", "", "", kExcluded, 0, 0, 0);
    doc.items.Add("IN", "included", "", "個", "0", "0", "", "", kIncluded, 0, 0, 0);
    doc.items.Add("UN", "untaxed", "", "枚", "0", "0", "", "", kUntaxed, 0, 0, 0);
    doc.items.Add("FX", "food excluded", "", "個", "0", "0", "", "", kExcluded, 0, 0, 0);
    doc.items.Add("FI", "food included", "", "個", "0", "0", "", "", kIncluded, 0, 0, 0);
    CustomerRecord c;
    c.name = "customer";
    c.closingDay = 0;
    doc.customers.Add(c);
  }
  void MarkFood() { doc.invoice.reducedItems = {3, 4}; }
  // 10 %: excluded 333 + 333, included 550. 8 % when marked: excluded 125 + 106, included
  // 1000. Untaxed 200, and a line whose product is gone (99) 10.
  Slip Mixed(int kind, double date) const {
    Slip s;
    s.kind = kind;
    s.date = date;
    for (const auto& [product, price] :
         std::vector<std::pair<const char*, const char*>>{{"0", "333"},
                                                          {"3", "125"},
                                                          {"4", "1000"},
                                                          {"0", "333"},
                                                          {"1", "550"},
                                                          {"3", "106"},
                                                          {"2", "200"},
                                                          {"99", "10"}}) {
      s.AddLine(product, price, "1", "");
    }
    return s;
  }
  SlipTaxes Taxes(const Slip& s, int rounding) const {
    return ComputeSlipTaxes(s, ItemIndex(doc.items), TaxRules(doc), rounding);
  }
  Document doc;
  const double march2024 = EncodeDate(2024, 3, 1);
};

TEST_F(SlipTaxesTest, PerRateRoundsOncePerRateAndPerLineOncePerLine) {
  MarkFood();
  struct Case {
    bool perRate;
    int rounding;
    const char* outer;
    const char* inner;
    std::vector<RateTax> rates;
  };
  // Per rate, 10 %: 666 x 10 % = 66.6, inside 550: 50. 8 %: 231 x 8 % = 18.48, inside
  // 1000: 74.07. Per line the excluded lines round 33.3, 33.3, 10 and 8.48 each.
  const Case cases[] = {
      {true, 0, "84", "124", {{M("10"), M("1166"), M("116")}, {M("8"), M("1157"), M("92")}}},
      {true, 1, "86", "125", {{M("10"), M("1166"), M("117")}, {M("8"), M("1156"), M("94")}}},
      {true, 2, "85", "124", {{M("10"), M("1166"), M("117")}, {M("8"), M("1157"), M("92")}}},
      {false, 0, "84", "124", {}},
      {false, 1, "87", "125", {}},
      {false, 2, "84", "124", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "per rate " << c.perRate << " rounding " << c.rounding);
    doc.invoice.enabled = c.perRate;
    for (const int kind : {1, 3}) {
      const Money sign = kind == 3 ? M("-1") : M("1");
      const SlipTaxes t = Taxes(Mixed(kind, march2024), c.rounding);
      EXPECT_EQ(t.amount, M("2657") * sign);
      EXPECT_EQ(t.outerTax, M(c.outer) * sign);
      EXPECT_EQ(t.innerTax, M(c.inner) * sign);
      EXPECT_EQ(t.total, (M("2657") + M(c.outer)) * sign);
      ASSERT_EQ(t.rates.size(), c.rates.size());
      for (size_t i = 0; i < c.rates.size(); ++i) {
        EXPECT_EQ(t.rates[i].rate, c.rates[i].rate);
        EXPECT_EQ(t.rates[i].base, c.rates[i].base * sign);
        EXPECT_EQ(t.rates[i].tax, c.rates[i].tax * sign);
      }
      EXPECT_EQ(SlipValue(Mixed(kind, march2024), ItemIndex(doc.items), TaxRules(doc), c.rounding),
                t.total);
    }
  }
}

TEST_F(SlipTaxesTest, OnlyMarkedTaxedProductsTakeTheReducedRateWhileItIsInForce) {
  doc.invoice.enabled = true;
  const SlipTaxes unmarked = Taxes(Mixed(1, march2024), 0);
  ASSERT_EQ(unmarked.rates.size(), 1u);  // everything at 10 %
  EXPECT_EQ(unmarked.rates[0].rate, M("10"));
  EXPECT_EQ(unmarked.rates[0].tax, M("89") + M("140"));  // 897 x 10 %, 1550 x 10 / 110

  const double beforeReduced = EncodeDate(2019, 9, 30);
  const SlipTaxes before = Taxes(Mixed(1, beforeReduced), 0);
  MarkFood();
  doc.invoice.reducedItems.insert(2);  // an untaxed product stays untaxed
  const SlipTaxes beforeMarked = Taxes(Mixed(1, beforeReduced), 0);
  EXPECT_EQ(beforeMarked.total, before.total);  // 8 % for all: no reduced rate yet
  ASSERT_EQ(beforeMarked.rates.size(), 1u);
  EXPECT_EQ(beforeMarked.rates[0].rate, M("8"));

  // A reduced rate of 0 % in force is still a rate of its own.
  doc.invoice.reducedRates.Add(EncodeDate(2024, 1, 1), M("0"));
  const SlipTaxes zero = Taxes(Mixed(1, march2024), 0);
  ASSERT_EQ(zero.rates.size(), 2u);
  EXPECT_EQ(zero.rates[1].rate, M("0"));
  EXPECT_EQ(zero.rates[1].base, M("1231"));
  EXPECT_EQ(zero.rates[1].tax, M("0"));
}

// The totals of one slip must agree wherever they are shown.
TEST_F(SlipTaxesTest, ASlipHasOneTotalInEveryListAndDocument) {
  MarkFood();
  doc.invoice.enabled = true;
  for (const int rounding : {0, 1, 2}) {
    SCOPED_TRACE(rounding);
    CustomerRecord c = doc.customers.Get(0);
    c.rounding = rounding;
    doc.customers.Update(0, c);
    doc.slips = SlipList();
    Slip sale = Mixed(1, march2024);
    Slip ret;
    ret.kind = 3;
    ret.date = march2024 + 1;
    ret.AddLine("3", "99.5", "3", "");
    ret.AddLine("4", "33", "1", "");
    ret.AddLine("0", "333", "1", "");
    doc.slips.Add(sale);
    doc.slips.Add(ret);

    const SlipListRows list = ComputeSlipList(doc, kCustomers, 0, std::nullopt);
    ASSERT_EQ(list.rows.size(), 2u);
    const ClaimDetail detail = ComputeClaimDetail(doc, kCustomers, 0, march2024);
    std::vector<RateTax> summed;
    for (const SlipListRow& row : list.rows) {
      const DeliveryNoteValues note = ComputeDeliveryNote(doc, *row.slip, rounding);
      EXPECT_EQ(note.total, row.total);
      EXPECT_EQ(note.subtotal + note.tax, row.total);
      AddRateTaxes(summed, Taxes(*row.slip, rounding).rates);
    }
    EXPECT_EQ(detail.salesWithTax, list.total);
    ASSERT_EQ(detail.rates.size(), summed.size());
    for (size_t i = 0; i < summed.size(); ++i) {
      EXPECT_EQ(detail.rates[i].base, summed[i].base);
      EXPECT_EQ(detail.rates[i].tax, summed[i].tax);
    }
    const std::vector<ClaimListRow> claims = ComputeClaimList(doc, kCustomers, march2024);
    ASSERT_EQ(claims.size(), 1u);
    EXPECT_EQ(claims[0].amount, list.total);
  }
}

TEST(RateTaxes, AddingKeepsTheHighestRateFirstAndSumsEqualRates) {
  std::vector<RateTax> into;
  AddRateTaxes(into, {{M("8"), M("100"), M("8")}});
  AddRateTaxes(into, {{M("10"), M("200"), M("20")}, {M("8"), M("50"), M("4")}});
  AddRateTaxes(into, {{M("5"), M("10"), M("0")}, {M("10"), M("-20"), M("-2")}});
  ASSERT_EQ(into.size(), 3u);
  EXPECT_EQ(into[0].rate, M("10"));
  EXPECT_EQ(into[0].base, M("180"));
  EXPECT_EQ(into[0].tax, M("18"));
  EXPECT_EQ(into[1].rate, M("8"));
  EXPECT_EQ(into[1].base, M("150"));
  EXPECT_EQ(into[1].tax, M("12"));
  EXPECT_EQ(into[2].rate, M("5"));
}

}  // namespace
