#include "billing.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "dates.h"

namespace {

Money M(const char* text) {
  return MoneyFromText(text);
}

double D(int y, int m, int d) {
  return EncodeDate(y, m, d);
}

constexpr int kSuppliers = 0;
constexpr int kCustomers = 1;
constexpr int32_t kExcluded = 0;
constexpr int32_t kIncluded = 1;
constexpr int32_t kUntaxed = 2;

TEST(BillingPeriod, ClosingDatesAcrossMonthAndYearEnds) {
  struct Case {
    int day;
    double month;
    double closing;
    double previous;
  };
  const Case cases[] = {
      {20, D(2024, 3, 5), D(2024, 3, 20), D(2024, 2, 20)},
      {20, D(2024, 1, 31), D(2024, 1, 20), D(2023, 12, 20)},
      {0, D(2024, 4, 1), D(2024, 4, 30), D(2024, 3, 31)},
      {0, D(2024, 3, 31), D(2024, 3, 31), D(2024, 2, 29)},  // leap year
      {0, D(2023, 3, 15), D(2023, 3, 31), D(2023, 2, 28)},
      {0, D(2025, 1, 10), D(2025, 1, 31), D(2024, 12, 31)},
      {28, D(2024, 3, 1), D(2024, 3, 28), D(2024, 2, 28)},
      {1, D(2024, 1, 1), D(2024, 1, 1), D(2023, 12, 1)},
      {31, D(2023, 2, 10), D(2023, 2, 28), D(2023, 1, 31)},        // a day a damaged file may hold
      {20, D(2024, 3, 5) + 0.75, D(2024, 3, 20), D(2024, 2, 20)},  // the time is ignored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "day " << c.day << " month " << c.month);
    EXPECT_EQ(ClosingDate(c.day, c.month), c.closing);
    EXPECT_EQ(PreviousClosingDate(c.day, c.month), c.previous);
    const BillingPeriod period = BillingPeriodOf(c.day, c.month);
    EXPECT_EQ(period.closing, c.closing);
    EXPECT_EQ(period.previousClosing, c.previous);
  }
}

TEST(BillingPeriod, DueDateCountsFromTheMonthForEveryPaymentMonth) {
  struct Case {
    int payMonth;
    int payDay;
    double month;
    double due;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, D(2024, 4, 15), D(2024, 4, 30), "04月30日"},
      {0, 10, D(2024, 4, 15), D(2024, 4, 10), "04月10日"},
      {1, 0, D(2023, 1, 31), D(2023, 2, 28), "02月28日"},
      {1, 0, D(2024, 1, 31), D(2024, 2, 29), "02月29日"},
      {1, 28, D(2024, 1, 31), D(2024, 2, 28), "02月28日"},
      {2, 5, D(2024, 11, 30), D(2025, 1, 5), "01月05日"},
      {3, 0, D(2024, 11, 1), D(2025, 2, 28), "02月28日"},
      {4, 20, D(2024, 10, 1), D(2025, 2, 20), "02月20日"},
      {5, 1, D(2024, 8, 31), D(2025, 1, 1), "01月01日"},
      {6, 0, D(2024, 8, 31), D(2025, 2, 28), "02月28日"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "payMonth " << c.payMonth << " payDay " << c.payDay);
    PartnerTerms terms;
    terms.closingDay = 20;
    terms.payMonth = c.payMonth;
    terms.payDay = c.payDay;
    EXPECT_EQ(PaymentDueDate(terms, c.month), c.due);
    EXPECT_EQ(DueDateCaption(c.due), QString::fromUtf8(c.text));
  }
}

TEST(BillingPeriod, CaptionsAndTheTermsLabel) {
  EXPECT_EQ(ClosingDayCaption(0), QStringLiteral("月末"));
  EXPECT_EQ(ClosingDayCaption(20), QStringLiteral("20日"));
  EXPECT_EQ(ClosingDayCaption(5), QStringLiteral("5日"));
  struct Case {
    PartnerTerms terms;
    const char* label;
  };
  const Case cases[] = {
      {{20, 1, 0, 0, 0}, "20日締 翌月 月末払い "},
      {{0, 0, 25, 0, 0}, "月末締 当月 25日払い "},
      {{5, 2, 10, 0, 0}, "5日締 翌々月 10日払い "},
      {{0, 3, 0, 0, 0}, "月末締 3ヵ月後 月末払い "},
      {{0, 6, 1, 0, 0}, "月末締 6ヵ月後 1日払い "},
      {{0, 9, 1, 0, 0}, "月末締  1日払い "},  // out of the choices: blank, never out of range
  };
  for (const Case& c : cases) EXPECT_EQ(PaymentTermsLabel(c.terms), QString::fromUtf8(c.label));
}

// A document with products whose ids are their tax classes and one customer and one
// supplier (id 0 each).
class Billing : public testing::Test {
 protected:
  void SetUp() override {
    doc.items.Add("EX", "excluded", "", "本", "100", "0", "", "", kExcluded, 0, 0, 0);
    doc.items.Add("IN", "included", "", "個", "100", "0", "", "", kIncluded, 0, 0, 0);
    doc.items.Add("UN", "untaxed", "", "枚", "100", "0", "", "", kUntaxed, 0, 0, 0);
    doc.customers.Add(Partner("customer", 20, 0));
    doc.suppliers.Add(Partner("supplier", 0, 0));
  }
  // Changes the first customer.
  void EditCustomer0(const std::function<void(CustomerRecord&)>& change) {
    CustomerRecord c = doc.customers.Get(0);
    change(c);
    doc.customers.Update(0, c);
  }
  static CustomerRecord Partner(const char* name, int closingDay, int rounding) {
    CustomerRecord r;
    r.name = name;
    r.closingDay = closingDay;
    r.payMonth = 1;
    r.rounding = rounding;
    return r;
  }
  int32_t AddSlip(int kind, double date, std::vector<SlipLine> lines, int32_t partner = 0,
                  const char* number = "") {
    Slip s;
    s.kind = kind;
    s.date = date;
    s.partner = partner;
    s.number = number;
    for (const SlipLine& l : lines) {
      s.AddLine(std::to_string(l.product), MoneyToText(l.price), MoneyToText(l.quantity), l.note);
    }
    doc.slips.Add(s);
    return s.id;
  }
  static SlipLine L(int32_t product, const char* price, const char* quantity,
                    const char* note = "") {
    return SlipLine{product, M(price), M(quantity), note};
  }
  Document doc;
};

TEST_F(Billing, CumulativeSalesCountOpeningBalanceReturnsRatesAndTheClosingDay) {
  EditCustomer0([](CustomerRecord& c) { c.openingBalance = M("10000"); });
  doc.taxes.Add(D(2024, 3, 1), M("10"));  // 5 % until 29 February, 10 % from 1 March
  // Closing day 20, month March: previous closing 20 Feb, closing 20 Mar.
  AddSlip(1, D(2024, 2, 20), {L(0, "1000", "1")});  // 1050, on the previous closing date
  AddSlip(1, D(2024, 2, 21), {L(0, "1000", "1")});  // 1050, first day of the period
  AddSlip(1, D(2024, 3, 20), {L(0, "1000", "1")});  // 1100, on the closing date
  AddSlip(1, D(2024, 3, 21), {L(0, "1000", "1")});  // after: April's
  AddSlip(3, D(2024, 1, 5), {L(1, "300", "1")});    // return, tax included: -300
  AddSlip(3, D(2024, 3, 1), {L(2, "200", "1")});    // return, untaxed: -200
  AddSlip(0, D(2024, 3, 1), {L(0, "99999", "1")});  // a purchase: not the customer's
  const CumulativeSums sums = CumulativeSales(doc, 0, kCustomers, D(2024, 3, 10));
  EXPECT_EQ(sums.previous, M("10750"));
  EXPECT_EQ(sums.current, M("12700"));
  // A supplier with the same id sees only the purchase.
  EXPECT_EQ(CumulativeSales(doc, 0, kSuppliers, D(2024, 3, 31)).current, M("109998"));
}

TEST_F(Billing, CumulativePaymentsCountOpeningReceiptsUpToEachClosingDate) {
  EditCustomer0([](CustomerRecord& c) { c.openingReceipts = M("500"); });
  doc.receipts.Add(0, D(2024, 2, 20), M("1000"), "");
  doc.receipts.Add(0, D(2024, 3, 20), M("2000"), "");
  doc.receipts.Add(0, D(2024, 3, 21), M("4000"), "");
  doc.receipts.Add(1, D(2024, 3, 1), M("8000"), "");   // another customer
  doc.payments.Add(0, D(2024, 3, 1), M("16000"), "");  // paid to the supplier 0
  EXPECT_EQ(CumulativePayments(doc, 0, kCustomers, D(2024, 3, 1)),
            (CumulativeSums{M("1500"), M("3500")}));
  EXPECT_EQ(CumulativePayments(doc, 0, kSuppliers, D(2024, 3, 1)),
            (CumulativeSums{M("0"), M("16000")}));
}

TEST_F(Billing, CompanyBasedPartnersAreBilledWithTheCompanysTerms) {
  EditCustomer0([](CustomerRecord& c) { c.basis = kBasisCompany; });
  doc.company.closingDay = 0;
  doc.company.payMonth = 2;
  doc.company.payDay = 10;
  doc.company.rounding = 1;                         // round up
  AddSlip(1, D(2024, 3, 25), {L(0, "10.5", "1")});  // 11 -> 11.55 -> 12
  const std::vector<ClaimListRow> rows = ComputeClaimList(doc, kCustomers, D(2024, 3, 1));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].amount, M("12"));
  EXPECT_EQ(rows[0].closingDayText, QStringLiteral("月末"));
  EXPECT_EQ(rows[0].closingDate, D(2024, 3, 31));
  EXPECT_EQ(rows[0].dueText, QStringLiteral("05月10日"));
  EXPECT_EQ(ComputePaymentRows(doc, kCustomers, 0).termsLabel,
            QStringLiteral("月末締 翌々月 10日払い "));
}

TEST_F(Billing, ClaimListSkipsPartnersThatOweNothingAndSoldNothing) {
  auto add = [&](const char* name, const char* opening, const char* openingReceipts) {
    CustomerRecord r = Partner(name, 0, 0);
    r.openingBalance = M(opening);
    r.openingReceipts = M(openingReceipts);
    doc.customers.Add(r);
    return doc.customers.Get(doc.customers.Count() - 1).id;
  };
  const int32_t balanceOnly = add("balance only", "10000", "0");
  const int32_t overpaid = add("overpaid", "0", "0");
  const int32_t paidUpNoSales = add("paid up, no sales", "0", "0");
  const int32_t soldAndPaid = add("sold and paid", "0", "0");
  AddSlip(1, D(2024, 3, 10), {L(2, "1000", "1")}, overpaid);
  doc.receipts.Add(overpaid, D(2024, 4, 2), M("5000"), "");
  AddSlip(1, D(2024, 3, 10), {L(2, "1000", "1")}, paidUpNoSales);
  doc.receipts.Add(paidUpNoSales, D(2024, 3, 30), M("1000"), "");
  AddSlip(1, D(2024, 4, 10), {L(2, "1000", "1")}, soldAndPaid);
  doc.receipts.Add(soldAndPaid, D(2024, 4, 11), M("1000"), "");

  const std::vector<ClaimListRow> rows = ComputeClaimList(doc, kCustomers, D(2024, 4, 1));
  std::vector<std::pair<int32_t, Money>> got;
  for (const ClaimListRow& r : rows) got.emplace_back(r.id, r.amount);
  const std::vector<std::pair<int32_t, Money>> want = {
      {balanceOnly, M("10000")}, {overpaid, M("0")}, {soldAndPaid, M("0")}};
  EXPECT_EQ(got, want);  // customer 0 (nothing at all) and paidUpNoSales are left out
  EXPECT_FALSE(ComputeClaimListRow(doc, kCustomers, paidUpNoSales, D(2024, 4, 1)));
  EXPECT_FALSE(ComputeClaimListRow(doc, kCustomers, 99, D(2024, 4, 1)));
}

TEST_F(Billing, DetailListsThePeriodsLinesThenItsReceipts) {
  doc.taxes.Add(D(2024, 1, 1), M("10"));
  AddSlip(1, D(2024, 3, 20), {L(0, "1000", "1", "a"), L(1, "1100", "2"), L(2, "500", "1")}, 0,
          "N2");
  AddSlip(3, D(2024, 3, 1), {L(0, "100", "2", "r")}, 0, "N1");
  AddSlip(1, D(2024, 2, 20), {L(0, "7777", "1")});  // previous period
  AddSlip(1, D(2024, 3, 21), {L(0, "7777", "1")});  // next period
  doc.receipts.Add(0, D(2024, 3, 15), M("3000"), "bank");
  doc.receipts.Add(0, D(2024, 2, 21), M("1000"), "");
  doc.receipts.Add(0, D(2024, 2, 20), M("9999"), "");  // previous period

  const ClaimDetail d = ComputeClaimDetail(doc, kCustomers, 0, D(2024, 3, 31));
  struct Row {
    bool receipt;
    bool first;
    double date;
    std::string number;
    std::string name;
    Money quantity;
    Money amount;
    std::string note;
  };
  const std::string kReceipt = "\x82\xb2\x93\xfc\x8b\xe0";
  const std::vector<Row> want = {
      {false, true, D(2024, 3, 1), "N1", "excluded", M("-2"), M("-200"), "r"},
      {false, true, D(2024, 3, 20), "N2", "excluded", M("1"), M("1000"), "a"},
      {false, false, D(2024, 3, 20), "N2", "included", M("2"), M("2200"), ""},
      {false, false, D(2024, 3, 20), "N2", "untaxed", M("1"), M("500"), ""},
      {true, true, D(2024, 3, 15), "", kReceipt, M("0"), M("3000"), "bank"},
      {true, true, D(2024, 2, 21), "", kReceipt, M("0"), M("1000"), ""},
  };
  ASSERT_EQ(d.rows.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(d.rows[i].receipt, want[i].receipt);
    EXPECT_EQ(d.rows[i].firstOfSlip, want[i].first);
    EXPECT_EQ(d.rows[i].date, want[i].date);
    EXPECT_EQ(d.rows[i].number, want[i].number);
    EXPECT_EQ(d.rows[i].name, want[i].name);
    EXPECT_EQ(d.rows[i].quantity, want[i].quantity);
    EXPECT_EQ(d.rows[i].amount, want[i].amount);
    EXPECT_EQ(d.rows[i].note, want[i].note);
  }
  EXPECT_EQ(d.sales, M("3500"));
  EXPECT_EQ(d.outerTax, M("80"));  // 100 - 20 on the return
  EXPECT_EQ(d.innerTax, M("200"));
  EXPECT_EQ(d.tax, M("280"));
  EXPECT_EQ(d.salesWithTax, M("3580"));
  EXPECT_EQ(d.closingDate, D(2024, 3, 20));
  EXPECT_EQ(d.previousClosingDate, D(2024, 2, 20));
  // Sp = 7777 x 1.1 = 8554 (8554.7 cut), Pp = 9999.
  EXPECT_EQ(d.previousBalance, M("-1445"));
  EXPECT_EQ(d.received, M("4000"));
  EXPECT_EQ(d.carriedOver, M("-5445"));
  EXPECT_EQ(d.claimed, M("0"));  // -5445 + 3580 is below zero
  EXPECT_TRUE(d.partnerFound);
  EXPECT_EQ(d.partner.name, "customer");
}

TEST_F(Billing, CarryOverBoxesAddUpWithoutEarlierSales) {
  doc.receipts.Add(0, D(2024, 2, 1), M("3000"), "");
  doc.receipts.Add(0, D(2024, 3, 1), M("1000"), "");
  AddSlip(1, D(2024, 3, 5), {L(2, "10000", "1")});
  const ClaimDetail d = ComputeClaimDetail(doc, kCustomers, 0, D(2024, 3, 1));
  EXPECT_EQ(d.previousBalance, M("-3000"));
  EXPECT_EQ(d.received, M("1000"));
  EXPECT_EQ(d.carriedOver, M("-4000"));
  EXPECT_EQ(d.claimed, M("6000"));
}

TEST_F(Billing, TaxInTaxIncludedAmounts) {
  struct Case {
    const char* amount;
    const char* rate;
    const char* tax;
  };
  const Case cases[] = {
      {"1050", "5", "50"},
      {"-1050", "5", "-50"},
      {"1000", "8", "74.0741"},
      {"1000", "0", "0"},
      {"1000", "-100", "0"},
      {"1000", "-150", "0"},
      {"1000", "-99.9999", "-999999000"},  // defined, just large
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    EXPECT_EQ(ContainedTax(M(c.amount), M(c.rate)), M(c.tax));
  }
}

TEST_F(Billing, MissingRecordsAndOverflow) {
  AddSlip(1, D(2024, 3, 1), {L(42, "100", "1")});    // a product the file no longer has
  AddSlip(1, D(2024, 3, 1), {L(0, "100", "1")}, 7);  // a customer the file no longer has
  const ClaimDetail d = ComputeClaimDetail(doc, kCustomers, 0, D(2024, 3, 1));
  ASSERT_EQ(d.rows.size(), 1u);
  EXPECT_EQ(d.rows[0].name, "");
  EXPECT_EQ(d.claimed, M("100"));
  EXPECT_FALSE(ComputeClaimDetail(doc, kCustomers, 7, D(2024, 3, 1)).partnerFound);
  EXPECT_EQ(ComputeClaimList(doc, kCustomers, D(2024, 3, 1)).size(), 1u);

  EditCustomer0([](CustomerRecord& c) { c.openingBalance = Money::FromRaw(INT64_MAX); });
  EXPECT_THROW(ComputeClaimList(doc, kCustomers, D(2024, 3, 1)), MoneyOverflow);
  EXPECT_THROW(ComputeClaimDetail(doc, kCustomers, 0, D(2024, 3, 1)), MoneyOverflow);
}

TEST_F(Billing, PaymentRowsShowTheOpeningBalanceAndRecordsOldestFirst) {
  EditCustomer0([](CustomerRecord& c) { c.openingReceipts = M("1234"); });
  doc.receipts.Add(0, D(2024, 3, 5), M("1"), "");
  doc.receipts.Add(1, D(2024, 3, 1), M("2"), "");
  doc.receipts.Add(0, D(2024, 1, 5), M("3"), "");
  doc.receipts.Add(0, D(2024, 2, 5), M("4"), "");
  const PaymentRows rows = ComputePaymentRows(doc, kCustomers, 0);
  EXPECT_EQ(rows.openingBalance, M("1234"));
  EXPECT_EQ(rows.termsLabel, QStringLiteral("20日締 翌月 月末払い "));
  std::vector<Money> amounts;
  for (const Payment& p : rows.records) amounts.push_back(p.amount);
  EXPECT_EQ(amounts, (std::vector<Money>{M("3"), M("4"), M("1")}));
  EXPECT_TRUE(ComputePaymentRows(doc, kSuppliers, 0).records.empty());
}

// Random documents: the one-pass list equals the per-partner rule, and each customer's
// invoice claims what the list shows, whatever the rounding, the tax classes and returns.
TEST(BillingRandom, OnePassEqualsPerPartnerAndTheDetailClaimsTheListsAmount) {
  std::mt19937 rng(12);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  size_t listedRows = 0;
  for (int round = 0; round < 12; ++round) {
    Document doc;
    doc.company.closingDay = pick(29);
    doc.company.rounding = pick(3);
    doc.taxes.Add(D(2024, 6, 1), MoneyFromText(pick(2) ? "8" : "12.5"));
    for (int i = 0; i < 15; ++i) {
      doc.items.Add("C", "item", "", "u", "1", "0", "", "", pick(3), 0, 0, 0);
    }
    for (int kind : {kSuppliers, kCustomers}) {
      for (int i = 0; i < 8; ++i) {
        CustomerRecord r;
        r.name = "p" + std::to_string(i);
        r.basis = pick(4) == 0 ? kBasisCompany : kBasisPartner;
        r.closingDay = pick(29);
        r.payMonth = pick(7);
        r.payDay = pick(29);
        r.rounding = pick(3);
        r.openingBalance = Money::FromInt(pick(3) == 0 ? pick(5000) : 0);
        r.openingReceipts = Money::FromInt(pick(3) == 0 ? pick(5000) : 0);
        doc.Partners(kind).Add(r);
      }
    }
    for (int i = 0; i < 300; ++i) {
      Slip s;
      s.kind = pick(4);
      s.partner = pick(9);  // id 8 does not exist
      s.date = D(2024, 1, 1) + pick(400);
      for (int l = 0, n = 1 + pick(4); l < n; ++l) {
        s.AddLine(std::to_string(pick(16)),
                  std::to_string(pick(2000)) + "." + std::to_string(pick(100)),
                  std::to_string(pick(20)) + "." + std::to_string(pick(10)), "");
      }
      doc.slips.Add(s);
    }
    for (int i = 0; i < 80; ++i) {
      doc.PaymentsOf(pick(2)).Add(pick(9), D(2024, 1, 1) + pick(400),
                                  Money::FromInt(pick(20000) - 2000), "");
    }
    for (int kind : {kSuppliers, kCustomers}) {
      for (int month = 1; month <= 13; ++month) {
        const double m = D(2024, 1, 15) + 31.0 * (month - 1);
        SCOPED_TRACE(testing::Message()
                     << "round " << round << " kind " << kind << " month " << month);
        const std::vector<ClaimListRow> rows = ComputeClaimList(doc, kind, m);
        std::vector<ClaimListRow> perPartner;
        for (const CustomerRecord& p : doc.Partners(kind).Records()) {
          if (auto row = ComputeClaimListRow(doc, kind, p.id, m)) perPartner.push_back(*row);
        }
        ASSERT_EQ(rows.size(), perPartner.size());
        listedRows += rows.size();
        for (size_t i = 0; i < rows.size(); ++i) {
          EXPECT_EQ(rows[i].id, perPartner[i].id);
          EXPECT_EQ(rows[i].amount, perPartner[i].amount);
          EXPECT_EQ(rows[i].sales, perPartner[i].sales);
          EXPECT_EQ(rows[i].payments, perPartner[i].payments);
          EXPECT_EQ(rows[i].dueText, perPartner[i].dueText);
        }
        size_t next = 0;
        for (const CustomerRecord& p : doc.Partners(kind).Records()) {
          const ClaimDetail d = ComputeClaimDetail(doc, kind, p.id, m);
          const bool listed = next < rows.size() && rows[next].id == p.id;
          EXPECT_EQ(d.claimed, listed ? rows[next].amount : Money{}) << "partner " << p.id;
          EXPECT_EQ(d.previousBalance - d.received, d.carriedOver);
          EXPECT_EQ(d.salesWithTax, d.cumulativeSales.current - d.cumulativeSales.previous);
          if (listed) ++next;
        }
      }
    }
  }
  EXPECT_GT(listedRows, 1000u);  // the documents really bill something
}

}  // namespace
