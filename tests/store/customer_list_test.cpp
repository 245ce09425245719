#include "customer_list.h"

#include <gtest/gtest.h>

#include "dates.h"
#include "list_test_util.h"
#include "partner_terms.h"

namespace {

CustomerRecord Partner(const std::string& name) {
  CustomerRecord r;
  r.name = name;
  return r;
}

TEST(CustomerList, NewPartnerStartsWithBusinessHoursAndFullPrice) {
  const CustomerRecord r;
  int h = 0;
  int m = 0;
  DecodeTime(r.openTime, h, m);
  EXPECT_EQ(h * 100 + m, 1000);
  DecodeTime(r.closeTime, h, m);
  EXPECT_EQ(h * 100 + m, 1700);
  EXPECT_EQ(r.priceRate, Money::FromInt(100));
}

TEST(CustomerList, SuppliersAndCustomersNumberIndependently) {
  CustomerList suppliers;
  CustomerList customers;
  suppliers.Add(Partner("s"));
  customers.Add(Partner("c"));
  EXPECT_EQ(suppliers.Get(0).id, 0);
  EXPECT_EQ(customers.Get(0).id, 0);
}

TEST(CustomerList, AddIgnoresTheGivenIdAndUpdateKeepsTheStoredOne) {
  CustomerList list;
  CustomerRecord r = Partner("a");
  r.id = 77;
  list.Add(r);
  list.Add(r);
  EXPECT_EQ(list.Get(0).id, 0);
  EXPECT_EQ(list.Get(1).id, 1);
  r.name = "changed";
  list.Update(1, r);
  EXPECT_EQ(list.Get(1).id, 1);
  EXPECT_EQ(list.Get(1).name, "changed");
}

TEST(CustomerList, RoundTripsTimesToTheMinuteAndMoneyExactly) {
  CustomerList list;
  CustomerRecord r = Partner("\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0");
  r.postal = "100-0001";
  r.openTime = EncodeTime(8, 45);
  r.closeTime = EncodeTime(23, 59);
  r.priceRate = MoneyFromText("87.5");
  r.openingBalance = MoneyFromText("-1234567.8912");
  r.openingReceipts = MoneyFromText("0.0001");
  r.basis = 1;
  r.closingDay = 20;
  r.payMonth = 6;
  r.payDay = 28;
  r.decimals = 2;
  r.rounding = 2;
  r.note = "n";
  list.Add(r);
  list.Add(Partner("b"));
  for (const std::string pw : {"", "pw"}) {
    CustomerList back;
    ASSERT_TRUE(RoundTrip(list, back, pw));
    ASSERT_EQ(back.Count(), 2);
    const CustomerRecord& b = back.Get(0);
    int h = 0;
    int m = 0;
    DecodeTime(b.openTime, h, m);
    EXPECT_EQ(h * 100 + m, 845);
    DecodeTime(b.closeTime, h, m);
    EXPECT_EQ(h * 100 + m, 2359);
    EXPECT_EQ(b.priceRate, r.priceRate);
    EXPECT_EQ(b.openingBalance, r.openingBalance);
    EXPECT_EQ(b.openingReceipts, r.openingReceipts);
    EXPECT_EQ(b.name, r.name);
    EXPECT_EQ(Saved(back, pw), Saved(list, pw));
  }
}

TEST(PartnerTerms, CompanyBasisTakesTheCompanyTermsWhateverThePartnerSays) {
  CompanySettings company;
  company.closingDay = 20;
  company.payMonth = 1;
  company.payDay = 10;
  company.decimals = 2;
  company.rounding = 1;
  CustomerRecord partner;
  partner.closingDay = 15;
  partner.payMonth = 2;
  partner.payDay = 0;
  partner.decimals = 0;
  partner.rounding = 2;
  EXPECT_EQ(EffectiveTerms(company, partner), (PartnerTerms{15, 2, 0, 0, 2}));
  partner.basis = kBasisCompany;
  EXPECT_EQ(EffectiveTerms(company, partner), (PartnerTerms{20, 1, 10, 2, 1}));
  company.closingDay = 0;  // changing the company changes the partner's billing
  EXPECT_EQ(EffectiveTerms(company, partner).closingDay, 0);
}

}  // namespace
