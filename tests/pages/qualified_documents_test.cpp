#include <QDate>

#include <gtest/gtest.h>

#include <array>

#include "claim_detail.h"
#include "dates.h"
#include "delivery_note.h"
#include "document.h"
#include "golden_file.h"
#include "invoice.h"
#include "page_canvas.h"
#include "page_test_util.h"
#include "receipt.h"
#include "sjis_codec.h"

namespace {

constexpr int kCustomers = 1;

// A registered seller: product 0 at the standard rate, 1 and 2 marked (1 tax-excluded,
// 2 tax-included). Slip 0 mixes all three; slip 1, later in the month, adds to both rates.
class QualifiedDocuments : public testing::Test {
 protected:
  void SetUp() override {
    doc.company.name = *ToSjis(QStringLiteral("てんぽ商店"));
    doc.company.tel = "06-3333-4444";
    doc.taxes.Add(EncodeDate(2014, 4, 1), Money::FromInt(8));
    doc.taxes.Add(EncodeDate(2019, 10, 1), Money::FromInt(10));
    doc.items.Add("A-10", *ToSjis(QStringLiteral("洗剤")), "", "", "0", "0", "", "", 0, 0, 0, 0);
    doc.items.Add("F-8", *ToSjis(QStringLiteral("米")), "", "", "0", "0", "", "", 0, 0, 0, 0);
    doc.items.Add("D-8", *ToSjis(QStringLiteral("牛乳")), "", "", "0", "0", "", "", 1, 0, 0, 0);
    doc.invoice.enabled = true;
    doc.invoice.registrationNumber = "T1234567890123";
    doc.invoice.reducedItems = {1, 2};
    CustomerRecord c;
    c.name = *ToSjis(QStringLiteral("株式会社得意先"));
    doc.customers.Add(c);
    AddSlip(EncodeDate(2024, 4, 5), "S-1",
            {{"0", "1000", "1"}, {"1", "333", "3"}, {"2", "500", "1"}});
    AddSlip(EncodeDate(2024, 4, 10), "S-2", {{"0", "2000", "1"}, {"1", "250", "2"}});
  }

  void AddSlip(double date, const char* number,
               std::initializer_list<std::array<const char*, 3>> lines, int kind = kShipmentSlip) {
    Slip s;
    s.kind = kind;
    s.date = date;
    s.partner = 0;
    s.number = number;
    for (const auto& l : lines) s.AddLine(l[0], l[1], l[2], "");
    doc.slips.Add(s);
  }

  DeliveryNoteSnapshot Note() const {
    return DeliveryNoteOf(doc, *doc.slips.Find(0), doc.customers.Get(0));
  }
  InvoiceSnapshot Invoice() const {
    return InvoiceOf(doc, ComputeClaimDetail(doc, kCustomers, 0, EncodeDate(2024, 4, 1)));
  }

  Document doc;
};

bool HasTextContaining(const Page& page, const QString& part) {
  for (const TextOp& t : TextsOf(page)) {
    if (t.text.contains(part)) return true;
  }
  return false;
}

}  // namespace

// 8 %: 999 excluded (tax 79.92, truncated once) and 500 included (37.03 inside).
TEST_F(QualifiedDocuments, DeliveryNoteGoldenWithRegistrationMarksAndRateSummary) {
  const DeliveryNoteSnapshot note = Note();
  EXPECT_EQ(note.registration, QStringLiteral("登録番号 T1234567890123"));
  EXPECT_EQ(note.rateRows,
            std::vector<QStringList>({{"10%", "\\1,000", "\\100"}, {"8%", "\\1,462", "\\116"}}));
  EXPECT_EQ(note.total, "2,678");
  const std::vector<Page> pages = DrawReport(DeliveryNoteReport(note), FakePrinter600());
  ExpectGoldenPages("delivery_note_qualified.txt", pages);

  // Switched off the same slip prints none of it, though the products keep their rate.
  doc.invoice.enabled = false;
  const Page plain = DrawReport(DeliveryNoteReport(Note()), FakePrinter600()).front();
  EXPECT_EQ(FindText(plain, QStringLiteral("※")), nullptr);
  EXPECT_FALSE(HasTextContaining(plain, QStringLiteral("登録番号")));
  EXPECT_FALSE(HasTextContaining(plain, QStringLiteral("対象")));
}

// The summary is the two slips' rates summed: 1,000 + 2,000 at 10 %; 1,462 + 500 at 8 %.
TEST_F(QualifiedDocuments, InvoiceGoldenSumsThePeriodsSlipsPerRate) {
  const InvoiceSnapshot invoice = Invoice();
  EXPECT_EQ(invoice.rateRows,
            std::vector<QStringList>({{"10%", "\\3,000", "\\300"}, {"8%", "\\1,962", "\\156"}}));
  EXPECT_EQ(invoice.reduced, std::vector<bool>({false, true, true, false, true}));
  const std::vector<Page> pages = DrawReport(InvoiceReport(invoice), FakePrinter600());
  ExpectGoldenPages("invoice_qualified.txt", pages);
}

// Long names on marked lines are cut before the mark; the amounts stay whole.
TEST_F(QualifiedDocuments, TheMarkNeverCoversTheNameOrTheAmount) {
  const QString wide(40, QChar(0x305E));
  DeliveryNoteSnapshot note = Note();
  InvoiceSnapshot invoice = Invoice();
  for (DeliveryNoteRow& r : note.rows) r.texts[1] = wide;
  for (QStringList& r : invoice.rows) r[2] = wide;
  const PageCanvas c(FakePrinter600());
  for (const Page& page : {DrawReport(DeliveryNoteReport(note), FakePrinter600()).front(),
                           DrawReport(InvoiceReport(invoice), FakePrinter600()).front()}) {
    const std::vector<TextOp> texts = TextsOf(page);
    int marks = 0;
    for (const TextOp& mark : texts) {
      if (mark.text != QStringLiteral("※")) continue;
      ++marks;
      EXPECT_LE(mark.x + DrawnWidth(mark), c.X(83));  // inside the name column
      for (const TextOp& t : texts) {
        if (t.y != mark.y || &t == &mark) continue;
        const bool apart = t.x + DrawnWidth(t) <= mark.x || t.x >= mark.x + DrawnWidth(mark);
        EXPECT_TRUE(apart) << DescribeOp(t).toStdString();
      }
    }
    EXPECT_GE(marks, 2);
  }
}

// A printed amount ("\\1,234", "-\\1,234", "（うち内消費税 \\267）") as a value.
Money Printed(QString text) {
  text.remove(QStringLiteral("（うち内消費税 ")).remove(QStringLiteral("）"));
  text.remove(QLatin1Char('\\')).remove(QLatin1Char(','));
  return ParseAmount(text.toStdString());
}

// The value printed on the label's line, right of it.
Money ValueBeside(const Page& page, const QString& label) {
  const TextOp* head = FindText(page, label);
  EXPECT_NE(head, nullptr) << label.toStdString();
  if (head == nullptr) return {};
  for (const TextOp& t : TextsOf(page)) {
    if (t.y == head->y && t.x > head->x) return Printed(t.text);
  }
  ADD_FAILURE() << "nothing beside " << label.toStdString();
  return {};
}

// What a customer checks with a calculator: every box shown as a sum of others is that
// sum, on a note and an invoice mixing tax-excluded, tax-included and untaxed lines and
// a return, with the qualified format on and off. The tax inside tax-included prices is
// a line of its own; per rate, base plus tax plus the untaxed lines make the total.
TEST_F(QualifiedDocuments, EveryPrintedSumAddsUp) {
  doc.items.Add("Z-0", *ToSjis(QStringLiteral("切手")), "", "", "0", "0", "", "", 2, 0, 0, 0);
  AddSlip(EncodeDate(2024, 4, 12), "S-3",
          {{"0", "1000", "3"}, {"2", "330", "2"}, {"3", "84", "5"}});
  AddSlip(EncodeDate(2024, 4, 20), "R-1", {{"0", "1000", "1"}, {"2", "330", "1"}},
          kShipmentReturnSlip);
  const Money untaxed = Money::FromInt(420);
  for (const bool qualified : {true, false}) {
    SCOPED_TRACE(qualified ? "qualified" : "plain");
    doc.invoice.enabled = qualified;
    for (const int32_t slip : {2, 3}) {
      const DeliveryNoteSnapshot note =
          DeliveryNoteOf(doc, *doc.slips.Find(slip), doc.customers.Get(0));
      const Page page = DrawReport(DeliveryNoteReport(note), FakePrinter600()).back();
      const Money total = ValueBeside(page, QStringLiteral("合計金額"));
      EXPECT_EQ(ValueBeside(page, QStringLiteral("金額小計")) +
                    ValueBeside(page, QStringLiteral("消費税額")),
                total);
      EXPECT_EQ(total, Money::FromInt(slip == 2 ? 4380 : -1430));
      const std::vector<TextOp> texts = TextsOf(page);
      const auto inner = std::find_if(texts.begin(), texts.end(), [](const TextOp& t) {
        return t.text.startsWith(QStringLiteral("（うち内消費税"));
      });
      ASSERT_NE(inner, texts.end());
      EXPECT_EQ(Printed(inner->text), Money::FromInt(slip == 2 ? 48 : -24));
      Money perRate = slip == 2 ? untaxed : Money{};
      for (const QStringList& r : note.rateRows) perRate += Printed(r[1]) + Printed(r[2]);
      if (qualified) {
        EXPECT_EQ(perRate, total);
      }
    }
    const InvoiceSnapshot invoice = Invoice();
    const Page first = DrawReport(InvoiceReport(invoice), FakePrinter600()).front();
    const TextOp* sales = FindText(first, QStringLiteral("今月売上"));
    ASSERT_NE(sales, nullptr);
    std::vector<Money> f;  // the figures' values, left to right
    for (const TextOp& t : TextsOf(first)) {
      if (t.y > sales->y && t.y < sales->y + 3 * sales->cell) f.push_back(Printed(t.text));
    }
    ASSERT_EQ(f.size(), 7U);
    EXPECT_EQ(f[0] - f[1], f[2]);  // 前月累計 - 今月入金 = 繰越額
    EXPECT_EQ(f[3] + f[4], f[5]);  // 今月売上 + 消費税 = 今月請求額
    EXPECT_EQ(f[2] + f[5], f[6]);  // 繰越額 + 今月請求額 = 請求額
  }
}

TEST_F(QualifiedDocuments, ReceiptShowsTheRegistrationInBothHalvesOnlyWhenOn) {
  ReceiptSnapshot s;
  s.customer = QStringLiteral("株式会社得意先");
  s.price = "1,000";
  s.date = QDate(2024, 4, 5);
  SetReceiptCompany(s, doc);
  const Page page = DrawReport(ReceiptReport(s), FakePrinter600()).front();
  std::vector<int> tops;
  for (const TextOp& t : TextsOf(page)) {
    if (t.text == QStringLiteral("登録番号 T1234567890123")) tops.push_back(t.y);
  }
  const PageCanvas c(FakePrinter600());
  EXPECT_EQ(tops, std::vector<int>({c.Y(88.5), c.Y(88.5 + 111)}));
  EXPECT_NE(FindText(page, QStringLiteral("てんぽ商店")), nullptr);

  doc.invoice.enabled = false;
  SetReceiptCompany(s, doc);
  EXPECT_FALSE(HasTextContaining(DrawReport(ReceiptReport(s), FakePrinter600()).front(),
                                 QStringLiteral("登録番号")));
}
