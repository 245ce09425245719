#include "sales_analysis.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "dates.h"
#include "return_list.h"

namespace {

std::vector<std::string> Texts(const std::vector<Money>& values) {
  std::vector<std::string> texts;
  for (Money v : values) texts.push_back(MoneyToText(v));
  return texts;
}

// Products: pencil (id 0, cost 100), pen (id 1, cost 33.333). Customers: Yamada (id 0,
// own terms, round half up), Sato (id 1, own terms, truncate), Suzuki (id 2, company's
// terms: round up). Supplier Tanaka (id 0).
class SalesAnalysis : public testing::Test {
 protected:
  static constexpr int32_t kPencil = 0;
  static constexpr int32_t kPen = 1;
  static constexpr int32_t kYamada = 0;
  static constexpr int32_t kSato = 1;
  static constexpr int32_t kSuzuki = 2;

  void SetUp() override {
    doc.company.rounding = 1;
    doc.items.Add("P1", "pencil", "", "", "120", "100", "", "", 0, 0, 0, 0);
    doc.items.Add("P2", "pen", "", "", "50", "33.333", "", "", 0, 0, 0, 0);
    AddPartner(doc.customers, "Yamada", 2, 0);
    AddPartner(doc.customers, "Sato", 0, 0);
    AddPartner(doc.customers, "Suzuki", 0, 1);
    AddPartner(doc.suppliers, "Tanaka", 0, 0);
  }
  static void AddPartner(CustomerList& list, const char* name, int rounding, int basis) {
    CustomerRecord r;
    r.name = name;
    r.rounding = rounding;
    r.basis = basis;
    list.Add(r);
  }
  void Store(int kind, int32_t partner, double date,
             std::vector<std::tuple<int32_t, const char*, const char*>> lines) {
    Slip slip;
    slip.kind = kind;
    slip.partner = partner;
    slip.date = date;
    for (const auto& [product, price, quantity] : lines) {
      slip.AddLine(std::to_string(product), price, quantity, "");
    }
    doc.slips.Add(slip);
  }
  static SlipPeriod Days(int y1, int m1, int d1, int y2, int m2, int d2) {
    return {EncodeDate(y1, m1, d1), EncodeDate(y2, m2, d2)};
  }
  Document doc;
};

TEST_F(SalesAnalysis, ByProductNetsReturnsAndRowsAddUpToTheTotals) {
  const double day = EncodeDate(2024, 3, 2);
  Store(kShipmentSlip, kYamada, day, {{kPencil, "120", "10"}, {kPen, "50.5", "3"}});
  Store(kShipmentReturnSlip, kYamada, day, {{kPencil, "120", "2"}});
  Store(kPurchaseSlip, kYamada, day, {{kPencil, "1", "1000"}});  // never counted
  // Ends of the period included, the day after not.
  Store(kShipmentSlip, kSato, EncodeDate(2024, 3, 1), {{kPen, "10.9", "1"}});  // 10 (truncate)
  Store(kShipmentSlip, kSato, EncodeDate(2024, 3, 4), {{kPen, "1000", "1"}});
  Store(kShipmentSlip, kSato, EncodeDate(2024, 3, 3) + 0.75, {{kPen, "0", "-1"}});  // time kept

  const ItemSales sales = ComputeItemSales(doc, Days(2024, 3, 1, 2024, 3, 3), false);
  ASSERT_EQ(sales.rows.size(), 2u);
  const ItemSalesRow& pencil = sales.rows[0];
  EXPECT_EQ(pencil.code, "P1");
  EXPECT_EQ(Texts({pencil.quantity, pencil.amount, pencil.cost, pencil.profit}),
            (std::vector<std::string>{"8", "960", "800", "160"}));
  // 151.5 rounds half up to 152; quantity 3 + 1 - 1 = 3 at cost 33.333 is 99.999, kept as
  // the 100 shown so that the rows add up to the totals in every output.
  const ItemSalesRow& pen = sales.rows[1];
  EXPECT_EQ(Texts({pen.quantity, pen.amount, pen.cost, pen.profit}),
            (std::vector<std::string>{"3", "162", "100", "62"}));
  EXPECT_EQ(Texts({sales.amount, sales.cost, sales.profit}),
            (std::vector<std::string>{"1122", "900", "222"}));
}

TEST_F(SalesAnalysis, ZeroSwitchHidesRowsWhoseSalesAreZeroEvenWithQuantity) {
  const double day = EncodeDate(2024, 5, 1);
  Store(kShipmentSlip, kYamada, day, {{kPencil, "100", "1"}});
  Store(kShipmentReturnSlip, kYamada, day, {{kPencil, "50", "2"}});  // amount 0, quantity -1
  const SlipPeriod period{day, day};
  EXPECT_EQ(ComputeItemSales(doc, period, false).rows.size(), 2u);
  EXPECT_TRUE(ComputeItemSales(doc, period, true).rows.empty());
  EXPECT_EQ(ComputeCustomerSales(doc, period, false).rows.size(), 3u);
  EXPECT_TRUE(ComputeCustomerSales(doc, period, true).rows.empty());
  EXPECT_EQ(ComputeDateSales(doc, period, false).rows.size(), 1u);
  EXPECT_TRUE(ComputeDateSales(doc, period, true).rows.empty());
}

TEST_F(SalesAnalysis, ByCustomerRoundsAmountAndCostPerLineByTheCustomersTerms) {
  const double day = EncodeDate(2024, 6, 10);
  // The same line for each: 10.5 x 1 and cost 33.333 x 1.
  for (int32_t customer : {kYamada, kSato, kSuzuki}) {
    Store(kShipmentSlip, customer, day, {{kPen, "10.5", "1"}, {kPen, "10.5", "1"}});
  }
  Store(kShipmentReturnSlip, kSato, day, {{kPen, "10.5", "1"}});
  const CustomerSales sales = ComputeCustomerSales(doc, {day, day}, false);
  ASSERT_EQ(sales.rows.size(), 3u);
  std::vector<std::string> figures;
  for (const auto& row : sales.rows) {
    for (const auto& text : Texts({row.sales, row.cost, row.profit})) figures.push_back(text);
  }
  EXPECT_EQ(figures, (std::vector<std::string>{
                         "22", "66", "-44",  // round half up: 11 + 11, 33 + 33
                         "10", "33", "-23",  // truncate, minus one returned line
                         "22", "68", "-46",  // the company's round up: 11 + 11, 34 + 34
                     }));
  EXPECT_EQ(Texts({sales.totals.sales, sales.totals.cost, sales.totals.profit}),
            (std::vector<std::string>{"54", "167", "-113"}));
}

TEST_F(SalesAnalysis, ByDateListsEveryDayAcrossAMonthEndAndALeapDay) {
  Store(kShipmentSlip, kYamada, EncodeDate(2024, 2, 29), {{kPencil, "120", "1"}});
  Store(kShipmentSlip, kSato, EncodeDate(2024, 3, 1), {{kPencil, "120", "2"}});
  Store(kShipmentSlip, kSato, EncodeDate(2024, 3, 2), {{kPencil, "120", "5"}});  // after To
  const DateSales sales = ComputeDateSales(doc, Days(2024, 2, 28, 2024, 3, 1), false);
  ASSERT_EQ(sales.rows.size(), 3u);
  EXPECT_EQ(DecodeDate(sales.rows[0].date), (Ymd{2024, 2, 28}));
  EXPECT_EQ(DecodeDate(sales.rows[1].date), (Ymd{2024, 2, 29}));
  EXPECT_EQ(DecodeDate(sales.rows[2].date), (Ymd{2024, 3, 1}));
  EXPECT_EQ(sales.rows[2].position, 2);
  EXPECT_EQ(Texts({sales.rows[0].sales, sales.rows[1].sales, sales.rows[2].sales}),
            (std::vector<std::string>{"0", "120", "240"}));
  EXPECT_EQ(Texts({sales.totals.sales, sales.totals.cost, sales.totals.profit}),
            (std::vector<std::string>{"360", "300", "60"}));
  const DateSales shown = ComputeDateSales(doc, Days(2024, 2, 28, 2024, 3, 1), true);
  ASSERT_EQ(shown.rows.size(), 2u);
  EXPECT_EQ(shown.rows[0].position, 1);  // the day's place in the period, not in the rows
  EXPECT_TRUE(ComputeDateSales(doc, Days(2024, 3, 2, 2024, 3, 1), false).rows.empty());
}

TEST_F(SalesAnalysis, MissingProductsAndCustomersNeverReadOutsideAList) {
  const double day = EncodeDate(2024, 7, 1);
  Store(kShipmentSlip, 99, day, {{kPencil, "120", "1"}});                      // no such customer
  Store(kShipmentSlip, kSato, day, {{77, "50", "2"}, {kPencil, "120", "1"}});  // no such product
  const SlipPeriod period{day, day};
  // By product: the unknown product's line has no row.
  const ItemSales items = ComputeItemSales(doc, period, true);
  ASSERT_EQ(items.rows.size(), 1u);
  EXPECT_EQ(MoneyToText(items.rows[0].amount), "240");
  EXPECT_EQ(MoneyToText(items.amount), "240");
  // By customer: the unknown customer's slip has no row; the unknown product adds its
  // amount with no cost; the totals are the rows'.
  const CustomerSales customers = ComputeCustomerSales(doc, period, true);
  ASSERT_EQ(customers.rows.size(), 1u);
  EXPECT_EQ(Texts({customers.rows[0].sales, customers.rows[0].cost}),
            (std::vector<std::string>{"220", "100"}));
  EXPECT_EQ(MoneyToText(customers.totals.sales), "220");
  // By date every sale of the day counts.
  EXPECT_EQ(MoneyToText(ComputeDateSales(doc, period, true).totals.sales), "340");
}

TEST_F(SalesAnalysis, SumsOutOfRangeRaiseInsteadOfWrapping) {
  const double day = EncodeDate(2024, 7, 1);
  const std::string big = MoneyToText(Money::FromRaw(std::numeric_limits<int64_t>::max() / 2));
  Store(kShipmentSlip, kYamada, day,
        {{kPencil, big.c_str(), "1"}, {kPencil, big.c_str(), "1"}, {kPencil, big.c_str(), "1"}});
  const SlipPeriod period{day, day};
  EXPECT_THROW(ComputeItemSales(doc, period, false), MoneyOverflow);
  EXPECT_THROW(ComputeCustomerSales(doc, period, false), MoneyOverflow);
  EXPECT_THROW(ComputeDateSales(doc, period, false), MoneyOverflow);
}

TEST_F(SalesAnalysis, ReturnListShowsUnroundedLinesPerPartnerWithSubtotals) {
  const double day = EncodeDate(2024, 4, 1);
  Store(kShipmentReturnSlip, kSuzuki, day, {{kPen, "33.33", "3"}});
  Store(kShipmentReturnSlip, kYamada, day + 1, {{kPencil, "120", "2"}, {kPen, "10", "1"}});
  Store(kShipmentSlip, kYamada, day, {{kPencil, "120", "9"}});          // no return
  Store(kPurchaseReturnSlip, 0, day, {{kPencil, "100", "4"}});          // the other kind
  Store(kShipmentReturnSlip, kYamada, day + 5, {{kPencil, "1", "1"}});  // after To
  const SlipPeriod period{day, day + 2};

  const ReturnList plain = ComputeReturnList(doc, kCustomerKind, period, false);
  ASSERT_EQ(plain.rows.size(), 3u);
  // Partners in list order: Yamada's lines first, then Suzuki's.
  EXPECT_EQ(plain.rows[0].partner, "Yamada");
  EXPECT_EQ(plain.rows[1].code, "P2");
  EXPECT_EQ(MoneyToText(plain.rows[2].amount), "99.99");
  EXPECT_EQ(Texts({plain.quantity, plain.amount}), (std::vector<std::string>{"6", "349.99"}));

  const ReturnList sub = ComputeReturnList(doc, kCustomerKind, period, true);
  ASSERT_EQ(sub.rows.size(), 5u);
  EXPECT_TRUE(sub.rows[2].subtotal);
  EXPECT_EQ(sub.rows[2].name, "Yamada\x20\x8F\xAC\x8C\x76");
  EXPECT_EQ(Texts({sub.rows[2].quantity, sub.rows[2].amount}),
            (std::vector<std::string>{"3", "250"}));
  EXPECT_TRUE(sub.rows[4].subtotal);  // Sato had none and gets no subtotal
  EXPECT_EQ(Texts({sub.quantity, sub.amount}), (std::vector<std::string>{"6", "349.99"}));

  const ReturnList purchases = ComputeReturnList(doc, kSupplierKind, period, false);
  ASSERT_EQ(purchases.rows.size(), 1u);
  EXPECT_EQ(purchases.rows[0].partner, "Tanaka");
  EXPECT_TRUE(ComputeReturnList(doc, kCustomerKind, {day + 2, day}, false).rows.empty());
}

}  // namespace
