#include "monthly_trend.h"

#include <gtest/gtest.h>

#include "dates.h"
#include "document.h"
#include "sales_analysis.h"
#include "slip.h"

namespace {

Money Yen(int64_t v) {
  return Money::FromInt(v);
}

class MonthlyTrendTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetDocument(doc);
    doc.items.Add("P0", "zero", "", "", "100", "60", "", "", 0, 0, 0, 0);
    doc.items.Add("P1", "gone", "", "", "10", "4", "", "", 0, 0, 0, 0);
    CustomerRecord c;
    c.name = "A";
    doc.customers.Add(c);
    c.name = "B";
    doc.customers.Add(c);
    doc.suppliers.Add(c);
    // Fiscal year 2024/04–2025/03; the previous one 2023/04–2024/03.
    Add(kShipmentSlip, 2024, 4, 1, 0, 0, "100", "2");       // A, April: 200
    Add(kShipmentSlip, 2024, 5, 10, 0, 1, "10", "3");       // A, May: 30, product deleted below
    Add(kShipmentReturnSlip, 2025, 3, 31, 0, 0, "100", "1");  // A, March: -100
    Add(kShipmentSlip, 2024, 2, 29, 1, 0, "50", "1");       // B, leap February of the year before
    Add(kShipmentSlip, 2024, 3, 31, 1, 0, "100", "2");      // B, the year before's last day
    Add(kPurchaseSlip, 2024, 4, 5, 0, 0, "70", "10");       // a purchase: 700
    Add(kShipmentSlip, 2025, 4, 1, 0, 0, "100", "9");       // after the year
    doc.items.Delete(1);
  }

  void Add(int kind, int y, int m, int d, int partner, int product, const char* price,
           const char* qty) {
    Slip s;
    s.kind = kind;
    s.date = EncodeDate(y, m, d);
    const CustomerList& list = kind == kPurchaseSlip ? doc.suppliers : doc.customers;
    s.partner = list.Get(partner).id;
    s.AddLine(std::to_string(doc.items.Get(product).id), price, qty, "");
    doc.slips.Add(s);
  }

  Document doc;
};

TEST_F(MonthlyTrendTest, HandWorkedMonthsAcrossTheFiscalYearStart) {
  const MonthlyTrend byPartner = ComputeMonthlyTrend(doc, {TrendOf::Sales, TrendBy::Partner, 2024, 4});
  ASSERT_EQ(byPartner.rows.size(), 2u);
  const TrendRow& a = byPartner.rows[0];
  std::array<Money, 12> months{};
  months[0] = Yen(200);
  months[1] = Yen(30);
  months[11] = Yen(-100);
  EXPECT_EQ(a.months, months);
  EXPECT_EQ(a.total, Yen(130));
  EXPECT_EQ(a.previous, Money{});
  EXPECT_FALSE(a.ratio);  // no previous year
  const TrendRow& b = byPartner.rows[1];
  EXPECT_EQ(b.total, Money{});
  EXPECT_EQ(b.previous, Yen(250));
  EXPECT_EQ(b.ratio, Money{});
  EXPECT_EQ(byPartner.total.total, Yen(130));
  EXPECT_EQ(byPartner.total.previous, Yen(250));
  EXPECT_EQ(byPartner.total.ratio, Money::FromRaw(520000));  // 52.0 %

  // The deleted product has no row; its line still counts for A and the total.
  const MonthlyTrend byItem = ComputeMonthlyTrend(doc, {TrendOf::Sales, TrendBy::Item, 2024, 4});
  ASSERT_EQ(byItem.rows.size(), 1u);
  EXPECT_EQ(byItem.rows[0].total, Yen(100));
  EXPECT_EQ(byItem.rows[0].previous, Yen(250));
  EXPECT_EQ(byItem.rows[0].ratio, Money::FromInt(40));
  EXPECT_EQ(byItem.rows[0].cost, Yen(60));  // net quantity 1 at cost 60
  EXPECT_EQ(byItem.total.total, Yen(130));

  const MonthlyTrend purchases =
      ComputeMonthlyTrend(doc, {TrendOf::Purchases, TrendBy::Total, 2024, 4});
  EXPECT_TRUE(purchases.rows.empty());
  EXPECT_EQ(purchases.total.months[0], Yen(700));
  EXPECT_EQ(purchases.total.cost, Money{});

  // A calendar year: January first.
  const MonthlyTrend calendar = ComputeMonthlyTrend(doc, {TrendOf::Sales, TrendBy::Total, 2024, 1});
  EXPECT_EQ(calendar.total.months[1], Yen(50));  // 29 February 2024
  EXPECT_EQ(calendar.total.months[2], Yen(200));
  EXPECT_EQ(TrendMonthNames(4).front(), "4月");
  EXPECT_EQ(TrendMonthNames(4).back(), "3月");
}

// The year's figures are the sales analyses' figures for the same twelve months.
TEST_F(MonthlyTrendTest, YearTotalsAreTheAnalysesTotals) {
  const SlipPeriod year{EncodeDate(2024, 4, 1), EncodeDate(2025, 3, 31)};
  const CustomerSales customers = ComputeCustomerSales(doc, year, false);
  const ItemSales items = ComputeItemSales(doc, year, false);
  const MonthlyTrend byPartner = ComputeMonthlyTrend(doc, {TrendOf::Sales, TrendBy::Partner, 2024, 4});
  const MonthlyTrend byItem = ComputeMonthlyTrend(doc, {TrendOf::Sales, TrendBy::Item, 2024, 4});
  for (const MonthlyTrend* trend : {&byPartner, &byItem}) {
    for (const TrendRow& row : trend->rows) {
      Money sum;
      for (Money m : row.months) sum = sum + m;
      EXPECT_EQ(sum, row.total);
    }
  }
  EXPECT_EQ(byPartner.total.total, customers.totals.sales);
  EXPECT_EQ(byPartner.total.cost, customers.totals.cost);
  for (size_t i = 0; i < customers.rows.size(); ++i) {
    EXPECT_EQ(byPartner.rows[i].total, customers.rows[i].sales);
    EXPECT_EQ(byPartner.rows[i].cost, customers.rows[i].cost);
    EXPECT_EQ(byPartner.rows[i].profit, customers.rows[i].profit);
  }
  ASSERT_EQ(items.rows.size(), byItem.rows.size());
  EXPECT_EQ(byItem.rows[0].total, items.rows[0].amount);
  EXPECT_EQ(byItem.rows[0].cost, items.rows[0].cost);
}

}  // namespace
