#include <QDate>

#include <gtest/gtest.h>

#include "confirmation_list_report.h"
#include "delivery_note.h"
#include "golden_file.h"
#include "invoice.h"
#include "page_canvas.h"
#include "page_test_util.h"
#include "receipt.h"
#include "slip_list_report.h"

namespace {

QString Amount(Money v) {
  return QString::fromStdString(FormatAmount(v));
}

// A note of `rows` lines; line i costs 100 x i yen.
DeliveryNoteSnapshot Note(int rows) {
  DeliveryNoteSnapshot s;
  s.date = QDate(2024, 4, 5);
  s.number = "A-17";
  s.partner = {"100-0001",
               QStringLiteral("東京都千代田区"),
               QStringLiteral("一丁目"),
               QStringLiteral("株式会社得意先"),
               "03-1111-2222",
               ""};
  s.company = {"530-0001",    QStringLiteral("大阪府大阪市"), "", QStringLiteral("てんぽ商店"), "",
               "06-3333-4444"};
  s.tantou = true;
  Money total;
  for (int i = 1; i <= rows; ++i) {
    const Money v = Money::FromInt(100 * i);
    s.rows.push_back({{QStringLiteral("C%1").arg(i), QStringLiteral("品物%1").arg(i), "1",
                       QStringLiteral("個"), Amount(v), Amount(v), ""},
                      v});
    total += v;
  }
  s.subtotal = Amount(total);
  s.tax = "0";
  s.total = Amount(total);
  return s;
}

SlipListSnapshot Slips(int rows) {
  SlipListSnapshot s;
  s.partner = QStringLiteral("株式会社得意先");
  s.printDate = QDate(2024, 4, 5);
  Money total;
  for (int i = 1; i <= rows; ++i) {
    const Money v = Money::FromInt(1000 * i);
    s.rows.push_back({"2024/04/01", QStringLiteral("N%1").arg(i), Amount(v)});
    s.values.push_back(v);
    total += v;
  }
  s.total = Amount(total);
  return s;
}

const TextOp* TextAfter(const Page& page, const QString& label) {
  // The value of a totals row is the text drawn right after its label.
  for (size_t i = 0; i + 1 < page.ops.size(); ++i) {
    const auto* t = std::get_if<TextOp>(&page.ops[i]);
    if (t != nullptr && t->text == label) return std::get_if<TextOp>(&page.ops[i + 1]);
  }
  return nullptr;
}

QString Yen(const QString& amount) {
  return QStringLiteral("\\") + amount;
}

}  // namespace

TEST(Documents, GoldenPagesForAFullPageAndOneRowMore) {
  const DeviceMetrics m = FakePrinter600();
  ExpectGoldenPages("delivery_note_25.txt", DrawReport(DeliveryNoteReport(Note(25)), m));
  ExpectGoldenPages("slip_list_33.txt", DrawReport(SlipListReport(Slips(33)), m));
}

TEST(Documents, DeliveryNotePageAndRunningTotals) {
  struct Case {
    int rows;
    int pages;
  };
  for (const Case& k : {Case{24, 1}, Case{25, 2}, Case{49, 3}}) {
    const DeliveryNoteSnapshot note = Note(k.rows);
    const std::vector<Page> pages = DrawReport(DeliveryNoteReport(note), FakePrinter600());
    ASSERT_EQ(static_cast<int>(pages.size()), k.pages) << k.rows;
    Money running;
    for (int p = 0; p < k.pages; ++p) {
      Money pageTotal;
      for (int r = p * 24; r < std::min(k.rows, (p + 1) * 24); ++r) {
        pageTotal += note.rows[static_cast<size_t>(r)].value;
        // Every line once, on its own page.
        EXPECT_NE(FindText(pages[static_cast<size_t>(p)], QStringLiteral("C%1").arg(r + 1)),
                  nullptr);
      }
      running += pageTotal;
      const Page& page = pages[static_cast<size_t>(p)];
      ASSERT_NE(TextAfter(page, QStringLiteral("ページ内合計")), nullptr);
      EXPECT_EQ(TextAfter(page, QStringLiteral("ページ内合計"))->text, Yen(Amount(pageTotal)));
      const bool last = p + 1 == k.pages;
      EXPECT_EQ(FindText(page, QStringLiteral("累計合計")) != nullptr, !last);
      EXPECT_EQ(FindText(page, QStringLiteral("合計金額")) != nullptr, last);
      if (last) {
        EXPECT_EQ(TextAfter(page, QStringLiteral("合計金額"))->text, Yen(note.total));
      } else {
        EXPECT_EQ(TextAfter(page, QStringLiteral("累計合計"))->text, Yen(Amount(running)));
      }
    }
  }
}

TEST(Documents, DeliveryNoteLeavesOutEmptyNumberTelAndFaxAndUnchosenStamps) {
  DeliveryNoteSnapshot note = Note(1);
  note.number.clear();
  note.tantou = false;
  const Page page = DrawReport(DeliveryNoteReport(note), FakePrinter600()).front();
  EXPECT_EQ(FindText(page, QStringLiteral("№")), nullptr);
  EXPECT_EQ(FindText(page, QStringLiteral("担当印")), nullptr);
  EXPECT_EQ(FindText(page, QStringLiteral("確認印")), nullptr);
  EXPECT_NE(FindText(page, "TEL:03-1111-2222"), nullptr);
  EXPECT_EQ(FindText(page, "FAX:"), nullptr);
  EXPECT_NE(FindText(page, "FAX:06-3333-4444"), nullptr);
  EXPECT_NE(FindText(page, QStringLiteral("株式会社得意先　御中")), nullptr);
  // The date and the page number sit against the right margin.
  const PageCanvas c(FakePrinter600());
  const TextOp* date = FindText(page, QStringLiteral("2024年04月05日"));
  ASSERT_NE(date, nullptr);
  EXPECT_EQ(date->x + static_cast<int>(std::lround(DrawnWidth(*date))), c.RightEdge(200));
}

TEST(Documents, DeliveryNoteTextsStayInTheirColumnsWithWorstCaseData) {
  DeliveryNoteSnapshot note = Note(1);
  const QString wide = QString(40, QChar(0x305E));
  note.rows[0].texts = {wide, wide, "-99,999.99", wide, "9,999,999.99", "-999,999,999", wide};
  const Page page = DrawReport(DeliveryNoteReport(note), FakePrinter600()).front();
  const PageCanvas c(FakePrinter600());
  std::vector<int> edges{c.X(10)};
  for (double x : {38.0, 83.0, 100.0, 115.0, 132.0, 154.0}) edges.push_back(c.X(x));
  edges.push_back(c.X(200));
  const int rowTop = c.Y({96, 7, 1.4});
  int checked = 0;
  for (const TextOp& t : TextsOf(page)) {
    if (t.y != rowTop) continue;
    ++checked;
    const int right = t.x + static_cast<int>(std::ceil(DrawnWidth(t)));
    bool inside = false;
    for (size_t i = 0; i + 1 < edges.size(); ++i) {
      inside = inside || (t.x >= edges[i] && right <= edges[i + 1]);
    }
    EXPECT_TRUE(inside) << DescribeOp(t).toStdString();
  }
  EXPECT_EQ(checked, 7);
}

TEST(Documents, SlipListTotalsAndPeriodCell) {
  SlipListSnapshot s = Slips(33);
  const std::vector<Page> pages = DrawReport(SlipListReport(s), FakePrinter600());
  ASSERT_EQ(pages.size(), 2u);
  Money first;
  for (int r = 0; r < 32; ++r) first += s.values[static_cast<size_t>(r)];
  EXPECT_EQ(TextAfter(pages[0], QStringLiteral("ページ内合計"))->text, Yen(Amount(first)));
  EXPECT_EQ(TextAfter(pages[0], QStringLiteral("累計合計"))->text, Yen(Amount(first)));
  EXPECT_EQ(TextAfter(pages[1], QStringLiteral("ページ内合計"))->text, Yen("33,000"));
  EXPECT_EQ(TextAfter(pages[1], QStringLiteral("合計"))->text, Yen(s.total));
  EXPECT_NE(FindText(pages[0], "-"), nullptr);
  s.period = PeriodText(QDate(2024, 4, 1), QDate(2024, 4, 30));
  EXPECT_EQ(s.period, QStringLiteral("2024/04/01～2024/04/30"));
  EXPECT_NE(FindText(DrawReport(SlipListReport(s), FakePrinter600())[0], s.period), nullptr);
}

namespace {

// A confirmation list of `rows` customers; customer i owes 1,000 x i yen.
ConfirmationListSnapshot Confirmations(int rows) {
  ConfirmationListSnapshot s;
  s.month = QDate(2024, 4, 1);
  s.printDate = QDate(2024, 4, 5);
  for (int i = 1; i <= rows; ++i) {
    const Money v = Money::FromInt(1000 * i);
    s.rows.push_back({QStringLiteral("得意先%1").arg(i), Amount(v), QStringLiteral("20日"),
                      QStringLiteral("05月31日")});
    s.values.push_back(v);
  }
  return s;
}

}  // namespace

TEST(Documents, ConfirmationListGoldenAndTotals) {
  const ConfirmationListSnapshot s = Confirmations(19);
  const std::vector<Page> pages = DrawReport(ConfirmationListReport(s), FakePrinter600());
  ExpectGoldenPages("confirmation_list_19.txt", pages);
  ASSERT_EQ(pages.size(), 2u);
  // Page 1: its own 18 rows, no running total; page 2: the whole list.
  EXPECT_EQ(TextAfter(pages[0], QStringLiteral("ページ内合計"))->text, Yen("171,000"));
  EXPECT_EQ(FindText(pages[0], QStringLiteral("合計")), nullptr);
  EXPECT_EQ(FindText(pages[1], QStringLiteral("ページ内合計")), nullptr);
  EXPECT_EQ(TextAfter(pages[1], QStringLiteral("合計"))->text, Yen("190,000"));
  EXPECT_NE(FindText(pages[0], QStringLiteral("入金確認一覧")), nullptr);
  EXPECT_NE(FindText(pages[0], QStringLiteral("2024年04月")), nullptr);
  EXPECT_NE(FindText(pages[1], QStringLiteral("得意先19")), nullptr);
  // The closing day is not printed; the planned date is.
  EXPECT_EQ(FindText(pages[0], QStringLiteral("20日")), nullptr);
  EXPECT_NE(FindText(pages[0], QStringLiteral("05月31日")), nullptr);
}

TEST(Documents, ConfirmationListSidesDifferInTitleHeadingsAndJob) {
  struct Case {
    bool payments;
    const char* title;
    const char* amount;
    const char* job;
  };
  for (const Case& k : {Case{true, "支払確認一覧", "支払予定日", " 支払確認一覧印刷"},
                        Case{false, "入金確認一覧", "入金予定日", " 入金確認一覧印刷"}}) {
    ConfirmationListSnapshot s = Confirmations(1);
    s.payments = k.payments;
    const Report report = ConfirmationListReport(s);
    EXPECT_EQ(report.jobSuffix, QString::fromUtf8(k.job));
    const Page page = DrawReport(report, FakePrinter600()).front();
    EXPECT_NE(FindText(page, QString::fromUtf8(k.title)), nullptr);
    EXPECT_NE(FindText(page, QString::fromUtf8(k.amount)), nullptr);
    // A single page is the last page: the whole list's total.
    EXPECT_EQ(TextAfter(page, QStringLiteral("合計"))->text, Yen("1,000"));
  }
}

namespace {

// An invoice of `rows` lines; line i costs 100 x i yen.
InvoiceSnapshot Invoice(int rows, bool options) {
  InvoiceSnapshot s;
  s.date = QDate(2024, 4, 20);
  s.number = "B-3";
  s.partner = {"100-0001",
               QStringLiteral("東京都千代田区"),
               "",
               QStringLiteral("株式会社得意先"),
               "03-1111-2222",
               ""};
  s.company = {"530-0001",    QStringLiteral("大阪府大阪市"), "", QStringLiteral("てんぽ商店"), "",
               "06-3333-4444"};
  s.bank = options;
  s.tantou = options;
  s.kakunin = options;
  s.account = {QStringLiteral("てんぽ銀行"), "", QStringLiteral("普通"), "1234567",
               QStringLiteral("テンポショウテン")};
  s.figures = {"1,000", "300", "700", "2,100", "210", "2,310", "3,010"};
  for (int i = 1; i <= rows; ++i) {
    s.rows.push_back({"04/01", QStringLiteral("S%1").arg(i), QStringLiteral("品物%1").arg(i), "1",
                      QStringLiteral("個"), Amount(Money::FromInt(100 * i)),
                      Amount(Money::FromInt(100 * i)), ""});
  }
  return s;
}

}  // namespace

TEST(Documents, InvoiceGoldenPagesWithAndWithoutBankAndStamps) {
  const DeviceMetrics m = FakePrinter600();
  ExpectGoldenPages("invoice_26_options.txt", DrawReport(InvoiceReport(Invoice(26, true)), m));
  ExpectGoldenPages("invoice_25_plain.txt", DrawReport(InvoiceReport(Invoice(25, false)), m));
}

TEST(Documents, InvoiceFiguresOnPageOneOnlyAndBankLinesWhenTicked) {
  InvoiceSnapshot s = Invoice(26, true);
  s.account[1].clear();  // no branch: the bank name and one space
  const std::vector<Page> pages = DrawReport(InvoiceReport(s), FakePrinter600());
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(FindText(pages[0], Yen("3,010")), nullptr);
  EXPECT_EQ(FindText(pages[1], Yen("3,010")), nullptr);
  EXPECT_NE(FindText(pages[1], QStringLiteral("前月累計")), nullptr);
  EXPECT_NE(FindText(pages[1], QStringLiteral("品物26")), nullptr);
  EXPECT_NE(FindText(pages[0], QStringLiteral("てんぽ銀行 ")), nullptr);
  EXPECT_NE(FindText(pages[0], QStringLiteral("普通 1234567")), nullptr);
  EXPECT_NE(FindText(pages[0], QStringLiteral("株式会社得意先　御中")), nullptr);
  EXPECT_EQ(DrawReport(InvoiceReport(s), FakePrinter600()).size(), 2u);
  s.bank = false;
  const Page plain = DrawReport(InvoiceReport(s), FakePrinter600()).front();
  EXPECT_EQ(FindText(plain, s.bankComment), nullptr);
  EXPECT_EQ(FindText(plain, QStringLiteral("普通 1234567")), nullptr);
}

// Figures too wide for their column are squeezed inside it, never cut; names are cut.
TEST(Documents, InvoiceWideFiguresAndNamesStayInsideTheirColumns) {
  InvoiceSnapshot s = Invoice(1, true);
  s.figures = QStringList(7, "12,345,678,901");
  s.figures[4] = "1,000,000";
  s.bankComment = QString(60, QChar(0x305E));
  s.rows[0][1] = "12345678";
  const Page page = DrawReport(InvoiceReport(s), FakePrinter600()).front();
  const PageCanvas c(FakePrinter600());
  const double rules[] = {10, 37, 64, 91, 118, 137, 164, 200};
  const std::vector<TextOp> texts = TextsOf(page);  // outlives the pointer into it
  for (int i = 0; i < 7; ++i) {
    const TextOp* t = nullptr;
    for (const TextOp& op : texts) {
      if (op.y == c.Y(104.5) && op.x >= c.X(rules[i]) && op.x < c.X(rules[i + 1])) t = &op;
    }
    ASSERT_NE(t, nullptr) << i;
    EXPECT_EQ(t->text, Yen(s.figures[i]));  // never cut
    EXPECT_LE(t->x + DrawnWidth(*t), c.X(rules[i + 1]) + 1.0) << i;
    EXPECT_GE(t->x, c.X(rules[i])) << i;
  }
  EXPECT_NE(FindText(page, "12345678"), nullptr);
  // The bank comment stops before the stamp boxes.
  for (const TextOp& op : TextsOf(page)) {
    if (op.y == c.Y(65)) {
      EXPECT_LE(op.x + DrawnWidth(op), c.X(135) + 1.0);
    }
  }
}

namespace {

ReceiptSnapshot Receipt(bool filled) {
  ReceiptSnapshot s;
  s.customer = QStringLiteral("株式会社得意先");
  s.price = "12,345";
  s.date = QDate(2024, 4, 5);
  s.company = {"530-0001", QStringLiteral("大阪府大阪市"), "", QStringLiteral("てんぽ商店")};
  if (filled) {
    s.number = "R-1";
    s.tadashi = true;
    s.kinds = {QStringLiteral("税抜き"), QStringLiteral("消費税"), QStringLiteral("現　金"), ""};
    s.amounts = {"11,223", "1,122", "", "5"};
    s.tantou = true;
    s.inshi = true;
  }
  return s;
}

}  // namespace

TEST(Documents, ReceiptGoldenPagesBothHalves) {
  const DeviceMetrics m = FakePrinter600();
  ExpectGoldenPages("receipt_filled.txt", DrawReport(ReceiptReport(Receipt(true)), m));
  ExpectGoldenPages("receipt_plain.txt", DrawReport(ReceiptReport(Receipt(false)), m));
}

TEST(Documents, ReceiptCopyTadashiBreakdownAndLongNames) {
  ReceiptSnapshot s = Receipt(true);
  const Report report = ReceiptReport(s);
  EXPECT_EQ(report.jobSuffix, QStringLiteral(" 領収書"));
  const std::vector<Page> pages = DrawReport(report, FakePrinter600());
  ASSERT_EQ(pages.size(), 1u);
  const Page& page = pages[0];
  const PageCanvas c(FakePrinter600());
  const TextOp* copy = FindText(page, QStringLiteral("領収書（控）"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->y, c.Y(126));
  EXPECT_NE(FindText(page, QStringLiteral("\\12,345※")), nullptr);
  EXPECT_NE(FindText(page, QStringLiteral("2024 年 04 月 05 日　上記の金額正に領収致しました。")),
            nullptr);
  EXPECT_NE(FindText(page, QStringLiteral("現　金")), nullptr);  // a kind without amount
  EXPECT_NE(FindText(page, QStringLiteral("\\5-")), nullptr);    // an amount without kind
  EXPECT_NE(FindText(page, QStringLiteral("但し、商品代として")), nullptr);
  s.tadashi = false;
  EXPECT_EQ(FindText(DrawReport(ReceiptReport(s), FakePrinter600())[0], s.tadashiText), nullptr);
  // A long name is cut, the honorific stays whole.
  s.customer = QString(60, QChar(0x305E));
  s.nameTitle = QStringLiteral("様");
  int partners = 0;
  for (const TextOp& t : TextsOf(DrawReport(ReceiptReport(s), FakePrinter600())[0])) {
    if (t.y != c.Y(30) && t.y != c.Y(141)) continue;
    ++partners;
    EXPECT_TRUE(t.text.endsWith(QStringLiteral("　様")));
    EXPECT_LT(t.text.size(), 62);
    EXPECT_LE(DrawnWidth(t), c.LenX(180));
  }
  EXPECT_EQ(partners, 2);
}
