#include "slip_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dates.h"

namespace {

Money M(const char* text) {
  return MoneyFromText(text);
}

constexpr int32_t kExcluded = 0;
constexpr int32_t kIncluded = 1;
constexpr int32_t kUntaxed = 2;
constexpr int32_t kMissing = -1;  // a product id the file names but no product has

SlipLine Line(int32_t product, const char* price, const char* quantity) {
  return SlipLine{product, M(price), M(quantity), ""};
}

Slip MakeSlip(int kind, double date, int32_t partner = 0) {
  Slip s;
  s.kind = kind;
  s.date = date;
  s.partner = partner;
  return s;
}

// Products with ids equal to their tax class.
class SlipValues : public testing::Test {
 protected:
  void SetUp() override {
    doc.items.Add("EX", "excluded", "", "本", "100", "0", "", "", kExcluded, 0, 0, 0);
    doc.items.Add("IN", "included", "", "個", "100", "0", "", "", kIncluded, 0, 0, 0);
    doc.items.Add("UN", "untaxed", "", "枚", "100", "0", "", "", kUntaxed, 0, 0, 0);
  }
  int32_t Store(Slip s) {
    doc.slips.Add(s);
    return s.id;
  }
  Document doc;
  const double may2000 = EncodeDate(2000, 5, 1);  // 5 %
};

TEST_F(SlipValues, LineValueRoundsTheAmountThenItsTaxSymmetrically) {
  struct Case {
    int32_t product;
    const char* price;
    const char* quantity;
    const char* rate;
    int rounding;
    const char* amount;  // without tax
    const char* value;   // with tax
  };
  const Case cases[] = {
      {kExcluded, "98", "3", "5", 0, "294", "308"},  // 308.7
      {kExcluded, "98", "3", "5", 1, "294", "309"},
      {kExcluded, "98", "3", "5", 2, "294", "309"},
      {kExcluded, "999", "1", "5", 0, "999", "1048"},  // 1048.95
      {kExcluded, "999", "1", "5", 2, "999", "1049"},
      {kExcluded, "10.5", "1", "5", 0, "10", "10"},  // 10 -> 10.5 -> 10
      {kExcluded, "10.5", "1", "5", 1, "11", "12"},  // 11 -> 11.55 -> 12
      {kExcluded, "33.33", "3", "0", 0, "99", "99"},
      {kExcluded, "33.33", "3", "0", 2, "100", "100"},
      {kIncluded, "98", "3", "10", 0, "294", "294"},
      {kUntaxed, "98", "3", "10", 2, "294", "294"},
      {kMissing, "98", "3", "10", 2, "294", "294"},  // nothing to say it is taxed
      {kIncluded, "12.4", "1", "5", 2, "12", "12"},
      {kIncluded, "12.6", "1", "5", 2, "13", "13"},
      {kIncluded, "12.4", "1", "5", 1, "13", "13"},
      {kIncluded, "12.9", "1", "5", 0, "12", "12"},
      {kExcluded, "0", "5", "5", 1, "0", "0"},
  };
  const ItemIndex items(doc.items);
  for (const Case& c : cases) {
    for (const int sign : {1, -1}) {
      SCOPED_TRACE(std::string(c.price) + " x " + c.quantity + " method " +
                   std::to_string(c.rounding) + " sign " + std::to_string(sign));
      // A negative price (a discount line) gives the negated figures of the positive one.
      SlipLine line = Line(c.product, c.price, c.quantity);
      if (sign < 0) line.price = -line.price;
      const Money s = Money::FromInt(sign);
      EXPECT_EQ(LineAmountInYen(line, c.rounding), M(c.amount) * s);
      EXPECT_EQ(LineValue(line, items.Find(c.product), M(c.rate), c.rounding), M(c.value) * s);
    }
  }
}

TEST_F(SlipValues, SlipValueTakesTheRateOfTheSlipDateAndNegatesReturns) {
  doc.taxes.Add(EncodeDate(2014, 4, 1), M("8"));
  const ItemIndex items(doc.items);
  auto value = [&](int kind, double date, int rounding) {
    Slip s = MakeSlip(kind, date);
    s.AddLine("0", "1000", "1", "");
    s.AddLine("1", "500", "1", "");
    s.AddLine("0", "10.5", "1", "");  // 10.5 -> 10 or 11 before tax
    return SlipValue(s, items, TaxRules(doc), rounding);
  };
  EXPECT_EQ(value(1, may2000, 0), M("1560"));                  // 1050 + 500 + 10
  EXPECT_EQ(value(1, EncodeDate(1990, 1, 1), 0), M("1540"));   // 1030 + 500 + 10
  EXPECT_EQ(value(1, EncodeDate(1989, 3, 31), 0), M("1510"));  // before any rate
  EXPECT_EQ(value(1, EncodeDate(2014, 3, 31), 2), M("1562"));  // 1050 + 500 + 11.55
  EXPECT_EQ(value(1, EncodeDate(2014, 4, 1), 2), M("1592"));   // 1080 + 500 + 11.88
  for (const int rounding : {0, 1, 2}) {
    for (const int kind : {0, 1}) {
      EXPECT_EQ(value(kind + 2, may2000, rounding), -value(kind, may2000, rounding));
    }
  }
  EXPECT_EQ(SlipValue(MakeSlip(1, may2000), items, TaxRules(doc), 2), Money{});
}

TEST_F(SlipValues, SlipTotalByIdAgreesWithSlipValue) {
  Slip s = MakeSlip(3, may2000);
  s.AddLine("0", "98", "3", "");
  s.AddLine("7", "98", "3", "");  // no such product: its amount, no tax
  const int32_t id = Store(s);
  for (const int rounding : {0, 1, 2}) {
    EXPECT_EQ(SlipTotal(doc, id, rounding),
              SlipValue(*doc.slips.Find(id), ItemIndex(doc.items), TaxRules(doc), rounding));
  }
  EXPECT_EQ(SlipTotal(doc, id, 0), M("-602"));  // -(308 + 294)
  EXPECT_EQ(SlipTotal(doc, 99, 0), Money{});
}

TEST_F(SlipValues, SumsBeyondTheRangeThrowMoneyOverflow) {
  Slip s = MakeSlip(1, may2000);
  s.AddLine("1", "500000000000000", "1", "");
  s.AddLine("1", "500000000000000", "1", "");
  EXPECT_THROW(SlipValue(s, ItemIndex(doc.items), TaxRules(doc), 0), MoneyOverflow);
  // The list's grand total is checked too.
  Slip half = MakeSlip(1, may2000);
  half.AddLine("1", "500000000000000", "1", "");
  Store(half);
  Store(half);
  EXPECT_THROW(ComputeSlipList(doc, 1, 0, std::nullopt), MoneyOverflow);
}

TEST_F(SlipValues, TermsAndDefaultPriceComeFromThePartnerOrTheCompany) {
  doc.company.decimals = 2;
  doc.company.rounding = 1;
  CustomerRecord own;
  own.decimals = 0;
  own.rounding = 2;
  own.priceRate = M("80");
  doc.customers.Add(own);  // id 0
  CustomerRecord byCompany = own;
  byCompany.basis = kBasisCompany;
  doc.customers.Add(byCompany);  // id 1
  EXPECT_EQ(TermsOf(doc, kCustomerKind, 0).rounding, 2);
  EXPECT_EQ(TermsOf(doc, kCustomerKind, 1).rounding, 1);
  EXPECT_EQ(TermsOf(doc, kCustomerKind, 1).decimals, 2);
  EXPECT_EQ(TermsOf(doc, kCustomerKind, 5).rounding, 1);  // unknown: the company's
  EXPECT_EQ(TermsOf(doc, kSupplierKind, 0).rounding, 1);  // not a supplier

  const ItemRecord item = doc.items.Get(0);  // base price 100
  EXPECT_EQ(DefaultUnitPrice(item, PriceFactor(own), 0), M("80"));
  CustomerRecord odd;
  odd.priceRate = M("33.33");
  EXPECT_EQ(PriceFactor(odd), M("0.3333"));
  EXPECT_EQ(DefaultUnitPrice(item, PriceFactor(odd), 2), M("33.33"));
  EXPECT_EQ(DefaultUnitPrice(item, PriceFactor(odd), 1), M("33.3"));
  EXPECT_EQ(DefaultUnitPrice(item, PriceFactor(odd), 0), M("33"));
  EXPECT_EQ(DefaultUnitPrice(item, PriceFactor(CustomerRecord{}), 0), M("100"));
}

// The order the slip list window gets: a temporary list in stored order, sorted whole.
std::vector<int32_t> ReferenceOrder(const Document& doc, int mode, int32_t partner) {
  SlipList temp;
  for (const Slip& s : doc.slips.Slips()) {
    if (s.partner == partner && (s.kind == mode || s.kind == mode + 2)) temp.AddKeepingId(s);
  }
  temp.SortByDate(0, temp.Count() - 1, true);
  std::vector<int32_t> ids;
  for (const Slip& s : temp.Slips()) ids.push_back(s.id);
  return ids;
}

std::vector<int32_t> RowIds(const SlipListRows& list) {
  std::vector<int32_t> ids;
  for (const SlipListRow& r : list.rows) ids.push_back(r.id);
  return ids;
}

TEST_F(SlipValues, SlipListKeepsThePartnersSlipsOfTheModeInTheWindowsOrder) {
  CustomerRecord partner;
  partner.rounding = 2;
  doc.customers.Add(partner);
  doc.customers.Add(partner);
  // Many equal dates, so the unstable sort's own order shows.
  const double days[] = {5, 3, 5, 1, 3, 5, 2, 3, 5, 1, 4, 3};
  for (int i = 0; i < 12; ++i) {
    Slip s = MakeSlip(i % 3 == 0 ? 3 : 1, may2000 + days[i], 0);
    s.number = "N" + std::to_string(i);
    s.AddLine("0", "98", "3", "");  // 308.7 -> 309 with tax
    Store(s);
  }
  Store(MakeSlip(0, may2000, 0));  // a purchase with a supplier of the same id
  Store(MakeSlip(1, may2000, 1));  // another customer

  const SlipListRows all = ComputeSlipList(doc, kCustomerKind, 0, std::nullopt);
  EXPECT_EQ(RowIds(all), ReferenceOrder(doc, kCustomerKind, 0));
  ASSERT_EQ(all.rows.size(), 12u);
  EXPECT_EQ(all.total, M("1236"));  // 8 sales and 4 returns of 309
  for (const SlipListRow& row : all.rows) {
    ASSERT_NE(row.slip, nullptr);
    EXPECT_EQ(row.slip->id, row.id);
    EXPECT_EQ(row.number, row.slip->number);
    EXPECT_EQ(row.total, IsReturnSlip(row.kind) ? M("-309") : M("309"));
  }

  const SlipListRows period =
      ComputeSlipList(doc, kCustomerKind, 0, SlipPeriod{may2000 + 2, may2000 + 3});
  std::vector<double> dates;
  for (const SlipListRow& r : period.rows) dates.push_back(r.date - may2000);
  EXPECT_EQ(dates, (std::vector<double>{2, 3, 3, 3, 3}));  // both ends included
  EXPECT_TRUE(ComputeSlipList(doc, kCustomerKind, 0, SlipPeriod{0, 1}).rows.empty());
  EXPECT_EQ(ComputeSlipList(doc, kSupplierKind, 0, std::nullopt).rows.size(), 1u);
  const SlipListRows none = ComputeSlipList(doc, kCustomerKind, 9, std::nullopt);
  EXPECT_TRUE(none.rows.empty());
  EXPECT_EQ(none.total, Money{});
}

TEST_F(SlipValues, SlipListTotalsAtThePartnersRounding) {
  CustomerRecord truncating;
  doc.customers.Add(truncating);  // id 0, method 0
  CustomerRecord byCompany;
  byCompany.basis = kBasisCompany;
  doc.customers.Add(byCompany);  // id 1
  doc.company.rounding = 1;
  for (const int32_t partner : {0, 1}) {
    Slip s = MakeSlip(1, may2000, partner);
    s.AddLine("0", "98", "3", "");
    Store(s);
  }
  EXPECT_EQ(ComputeSlipList(doc, kCustomerKind, 0, std::nullopt).total, M("308"));
  EXPECT_EQ(ComputeSlipList(doc, kCustomerKind, 1, std::nullopt).total, M("309"));
}

TEST_F(SlipValues, DetailShowsAmountsWithoutTaxAndBlanksAMissingProduct) {
  Slip s = MakeSlip(3, may2000);
  s.AddLine("0", "33.33", "3", "(特価)");
  s.AddLine("42", "10", "2.5", "");
  const std::vector<SlipDetailRow> rows = ComputeSlipDetail(doc, s, 2);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].code, "EX");
  EXPECT_EQ(rows[0].name, "excluded");
  EXPECT_EQ(rows[0].unit, "本");
  EXPECT_EQ(rows[0].price, M("33.33"));
  EXPECT_EQ(rows[0].quantity, M("3"));
  EXPECT_EQ(rows[0].amount, M("100"));  // no tax, not negated on a return
  EXPECT_EQ(rows[0].note, "(特価)");
  EXPECT_EQ(rows[1].product, 42);
  EXPECT_EQ(rows[1].code + rows[1].name + rows[1].unit, "");
  EXPECT_EQ(rows[1].amount, M("25"));
}

}  // namespace
