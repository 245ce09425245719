#include <gtest/gtest.h>

#include "date_sale_list.h"
#include "dates.h"
#include "list_test_util.h"
#include "payment_list.h"
#include "tax_list.h"

namespace {

double D(int y, int m, int d) {
  return EncodeDate(y, m, d);
}

TEST(TaxList, ClearedListHasTheTwoHistoricRates) {
  const TaxList taxes;
  ASSERT_EQ(taxes.Count(), 2);
  EXPECT_EQ(taxes.Get(0), (TaxRate{Money::FromInt(3), 32599, 35520}));
  EXPECT_EQ(taxes.Get(1), (TaxRate{Money::FromInt(5), 35521, -1}));
  EXPECT_EQ(taxes.RateAt(D(1997, 3, 31)), Money::FromInt(3));
  EXPECT_EQ(taxes.RateAt(D(1997, 4, 1)), Money::FromInt(5));
  EXPECT_EQ(taxes.RateAt(D(1989, 3, 31)), Money{});
  EXPECT_EQ(taxes.RateAt(D(1989, 4, 1)), Money::FromInt(3));
  EXPECT_EQ(taxes.RateAt(D(2030, 1, 1)), Money::FromInt(5));
}

TEST(TaxList, AddEndsThePreviousRateAndRemoveLastReopensIt) {
  TaxList taxes;
  taxes.Add(D(2014, 4, 1), Money::FromInt(8));
  EXPECT_EQ(taxes.RateAt(D(2014, 3, 31)), Money::FromInt(5));
  EXPECT_EQ(taxes.RateAt(D(2014, 4, 1)), Money::FromInt(8));
  EXPECT_EQ(taxes.Get(1).end, D(2014, 3, 31));
  taxes.SetRate(2, Money::FromInt(10));
  EXPECT_EQ(taxes.RateAt(D(2020, 1, 1)), Money::FromInt(10));
  taxes.RemoveLast();
  EXPECT_EQ(taxes.Get(1).end, -1);
  EXPECT_EQ(taxes.RateAt(D(2020, 1, 1)), Money::FromInt(5));
  taxes.RemoveLast();
  taxes.RemoveLast();
  EXPECT_EQ(taxes.Count(), 0);
  EXPECT_FALSE(taxes.RemoveLast());
  EXPECT_EQ(taxes.RateAt(D(2020, 1, 1)), Money{});
}

// A rate that ended before the date does not apply, even when no later rate has begun.
TEST(TaxList, RateAtHonoursTheEndOfEachRate) {
  TaxList taxes;
  taxes.Assign({{Money::FromInt(3), D(2000, 1, 1), D(2000, 12, 31)},
                {Money::FromInt(8), D(2002, 1, 1), -1}});
  EXPECT_EQ(taxes.RateAt(D(2000, 12, 31)), Money::FromInt(3));
  EXPECT_EQ(taxes.RateAt(D(2001, 6, 1)), Money{});
  EXPECT_EQ(taxes.RateAt(D(2002, 1, 1)), Money::FromInt(8));
}

TEST(TaxList, StoredSingleEntryReplacesTheDefaults) {
  TaxList one;
  one.RemoveLast();
  one.SetRate(0, MoneyFromText("3.5"));
  TaxList back;
  ASSERT_TRUE(RoundTrip(one, back, "pw"));
  ASSERT_EQ(back.Count(), 1);
  EXPECT_EQ(back.Get(0), one.Get(0));
  EXPECT_EQ(back.Get(0).end, -1);
}

// Today's rates follow a list only where it ends before them; nothing is added twice.
TEST(TaxList, CurrentRatesAreAddedOnlyAfterTheNewestEntry) {
  const auto percents = [](const TaxList& list) {
    std::vector<int> out;
    for (int i = 0; i < list.Count(); ++i)
      out.push_back(static_cast<int>(list.Get(i).rate.WholePart()));
    return out;
  };
  TaxList cleared;
  EXPECT_TRUE(AddCurrentRates(cleared));
  EXPECT_EQ(percents(cleared), (std::vector<int>{3, 5, 8, 10}));
  EXPECT_EQ(cleared.Get(2).end, EncodeDate(2019, 9, 30));
  EXPECT_EQ(cleared.Get(3).start, EncodeDate(2019, 10, 1));
  EXPECT_FALSE(AddCurrentRates(cleared));
  EXPECT_EQ(cleared.Count(), 4);

  TaxList withEight;
  withEight.Add(EncodeDate(2014, 4, 1), Money::FromInt(8));
  EXPECT_TRUE(AddCurrentRates(withEight));
  EXPECT_EQ(percents(withEight), (std::vector<int>{3, 5, 8, 10}));

  TaxList newer;
  newer.Add(EncodeDate(2030, 4, 1), Money::FromInt(12));
  EXPECT_FALSE(AddCurrentRates(newer));
  EXPECT_EQ(percents(newer), (std::vector<int>{3, 5, 12}));
}

TEST(PaymentList, NumbersIdsPerListAndUpdatesById) {
  PaymentList receipts;
  PaymentList payments;
  receipts.Add(3, D(2026, 1, 5), Money::FromInt(1000), "a");
  receipts.Add(4, D(2026, 1, 6), Money::FromInt(2000), "b");
  payments.Add(3, D(2026, 1, 5), Money::FromInt(500), "");
  EXPECT_EQ(payments.Get(0).id, 0);
  EXPECT_TRUE(receipts.Update(1, "changed", Money::FromInt(2500), D(2026, 2, 1)));
  const Payment p = receipts.GetById(1);
  EXPECT_EQ(p.partner, 4);
  EXPECT_EQ(p.note, "changed");
  EXPECT_EQ(p.amount, Money::FromInt(2500));
  EXPECT_TRUE(receipts.Delete(0));
  EXPECT_FALSE(receipts.Delete(0));
  EXPECT_EQ(receipts.Count(), 1);
  receipts.Add(1, 0, Money{}, "");
  EXPECT_EQ(receipts.Get(1).id, 2);

  PaymentList back;
  ASSERT_TRUE(RoundTrip(receipts, back, "pw"));
  EXPECT_EQ(back.Records(), receipts.Records());
}

TEST(PaymentList, SortByDateAppliesToTemporaryLists) {
  PaymentList list;
  for (double d : {5.0, 1.0, 3.0}) list.Add(0, d, Money{}, "");
  list.SortByDate(0, 2, true);
  EXPECT_EQ(list.Get(0).date, 1);
  EXPECT_EQ(list.Get(2).date, 5);
}

TEST(DateSaleList, OneEntryPerDayOfThePeriod) {
  DateSaleList days;
  days.Prepare(D(2026, 1, 1), D(2026, 1, 31));
  ASSERT_EQ(days.Count(), 31);
  EXPECT_EQ(days.IndexOfDate(D(2026, 1, 15) + 18.5 / 24), 14);
  EXPECT_EQ(days.IndexOfDate(D(2026, 2, 1)), -1);
  days.AddTo(14, Money::FromInt(100), Money::FromInt(60));
  days.AddTo(14, Money::FromInt(1), Money::FromInt(1));
  EXPECT_EQ(days.Get(14).sales, Money::FromInt(101));
  EXPECT_EQ(days.Get(14).cost, Money::FromInt(61));
  EXPECT_EQ(days.Get(0).sales, Money{});
  days.Prepare(D(2026, 3, 1), D(2026, 3, 1));
  EXPECT_EQ(days.Count(), 1);
  // A from-date with a time of day still starts the list at midnight of that day.
  days.Prepare(D(2026, 3, 1) + 0.75, D(2026, 3, 3) + 0.75);
  ASSERT_EQ(days.Count(), 3);
  EXPECT_EQ(days.Get(0).date, D(2026, 3, 1));
  EXPECT_EQ(days.IndexOfDate(D(2026, 3, 3)), 2);
}

}  // namespace
