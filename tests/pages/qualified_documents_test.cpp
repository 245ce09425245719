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
               std::initializer_list<std::array<const char*, 3>> lines) {
    Slip s;
    s.kind = kShipmentSlip;
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
  EXPECT_EQ(note.rateSummary, QStringList({QStringLiteral("10%対象 \\1,000 消費税 \\100"),
                                           QStringLiteral("8%対象 \\1,462 消費税 \\116")}));
  EXPECT_EQ(note.total, "2,678");
  const std::vector<Page> pages = DrawReport(DeliveryNoteReport(note), FakePrinter600());
  ExpectGolden("delivery_note_qualified.txt", DescribePages(pages));

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
  EXPECT_EQ(invoice.rateSummary, QStringList({QStringLiteral("10%対象 \\3,000 消費税 \\300"),
                                              QStringLiteral("8%対象 \\1,962 消費税 \\156")}));
  EXPECT_EQ(invoice.reduced, std::vector<bool>({false, true, true, false, true}));
  const std::vector<Page> pages = DrawReport(InvoiceReport(invoice), FakePrinter600());
  ExpectGolden("invoice_qualified.txt", DescribePages(pages));
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

// A month across rate changes can name many rates with large sums; each summary stays in
// its own room: beside the others and left of the stamp boxes on the invoice, left of the
// totals on the delivery note.
TEST_F(QualifiedDocuments, RateSummariesNeverRunIntoEachOther) {
  InvoiceSnapshot invoice = Invoice();
  invoice.rateSummary.clear();
  for (const char* rate : {"15", "12.5", "10", "8", "6.5", "5"}) {
    invoice.rateSummary
        << QStringLiteral("%1%対象 \\1,234,567,890 消費税 \\123,456,789").arg(QLatin1String(rate));
  }
  DeliveryNoteSnapshot note = Note();
  note.rateSummary = invoice.rateSummary.mid(0, 2);
  const PageCanvas c(FakePrinter600());
  const auto summaries = [](const Page& page) {
    std::vector<TextOp> found;
    for (const TextOp& t : TextsOf(page)) {
      if (t.text.contains(QStringLiteral("消費税 "))) found.push_back(t);
    }
    return found;
  };
  const std::pair<Page, double> cases[] = {
      {DrawReport(InvoiceReport(invoice), FakePrinter600()).front(), 135},
      {DrawReport(DeliveryNoteReport(note), FakePrinter600()).back(), 100}};
  for (const auto& [page, right] : cases) {
    const std::vector<TextOp> texts = summaries(page);
    EXPECT_EQ(texts.size(), right == 135 ? 6U : 2U);
    for (const TextOp& t : texts) {
      EXPECT_LE(t.x + DrawnWidth(t), c.X(right)) << DescribeOp(t).toStdString();
      for (const TextOp& other : texts) {
        if (other.y != t.y || other.x <= t.x) continue;
        EXPECT_LE(t.x + DrawnWidth(t) + c.LenX(2), other.x) << DescribeOp(t).toStdString();
      }
    }
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
