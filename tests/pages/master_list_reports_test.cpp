#include <QDate>

#include <gtest/gtest.h>

#include "golden_file.h"
#include "master_list_reports.h"
#include "page_test_util.h"
#include "report.h"

namespace {

ListSnapshot Items(int count) {
  ListSnapshot s;
  s.title = QStringLiteral("登録商品一覧");
  s.printDate = QDate(2024, 4, 5);
  for (int i = 1; i <= count; ++i) {
    s.rows.push_back({QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                      QStringLiteral("商品%1").arg(i), QStringLiteral("個"),
                      QStringLiteral("1,%1").arg(i, 3, 10, QLatin1Char('0')), "800", "S1",
                      QStringLiteral("税抜")});
  }
  return s;
}

ListSnapshot Partners(int count) {
  ListSnapshot s;
  s.title = PartnerListTitle(1);
  s.printDate = QDate(2024, 4, 5);
  for (int i = 1; i <= count; ++i) {
    s.rows.push_back({QStringLiteral("出荷先%1").arg(i), QStringLiteral("月末"),
                      QStringLiteral("翌月25日"), QStringLiteral("東京都千代田区1-%1").arg(i)});
  }
  return s;
}

// The worst a window can show: free texts far beyond their byte limit in the widest
// characters, amounts of ten digits with decimals, the longest term texts.
ListSnapshot Widest(const QStringList& numbers) {
  ListSnapshot s;
  s.title = QStringLiteral("登録商品一覧");
  s.printDate = QDate(2024, 12, 31);
  const QString wide = QString(30, QChar(0x305E)) + QStringLiteral("WWWWWWWW");
  const QString latin(48, QLatin1Char('W'));
  for (const QString& filler : {wide, latin}) {
    QStringList row;
    for (const QString& n : numbers) row << (n.isEmpty() ? filler : n);
    s.rows.push_back(row);
  }
  return s;
}

}  // namespace

TEST(ListReports, PageCountIsRowsOverThirtyFive) {
  struct Case {
    int rows;
    int pages;
  };
  for (const Case& k :
       {Case{0, 0}, Case{1, 1}, Case{35, 1}, Case{36, 2}, Case{70, 2}, Case{71, 3}}) {
    EXPECT_EQ(ItemListReport(Items(k.rows)).pageCount, k.pages) << k.rows;
    EXPECT_EQ(PartnerListReport(Partners(k.rows)).pageCount, k.pages) << k.rows;
  }
}

TEST(ListReports, GoldenPagesForAFullPageAndOneRowMore) {
  const DeviceMetrics m = FakePrinter600();
  ExpectGoldenPages("item_list_36.txt", DrawReport(ItemListReport(Items(36)), m));
  ExpectGoldenPages("partner_list_36.txt", DrawReport(PartnerListReport(Partners(36)), m));
}

TEST(ListReports, EveryRowIsPrintedExactlyOnceAcrossPages) {
  const std::vector<Page> pages = DrawReport(ItemListReport(Items(71)), FakePrinter600());
  ASSERT_EQ(pages.size(), 3u);
  for (int i = 1; i <= 71; ++i) {
    const QString code = QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0'));
    int seen = 0;
    for (const Page& p : pages) seen += FindText(p, code) != nullptr ? 1 : 0;
    EXPECT_EQ(seen, 1) << code.toStdString();
  }
  EXPECT_NE(FindText(pages[2], "3/3"), nullptr);
}

TEST(ListReports, EveryRowTextStaysInsideItsColumnWithWorstCaseData) {
  struct Case {
    const char* name;
    Report report;
    const ListLayout* layout;
  };
  const DeviceMetrics m = FakePrinter600();
  const PageCanvas c(m);
  for (const Case& k :
       {Case{"items",
             ItemListReport(Widest({"", "", "", "-99,999,999.99", "-99,999,999.99", "", ""})),
             &ItemListLayout()},
        Case{"partners",
             PartnerListReport(
                 Widest({"", QStringLiteral("月末"), QStringLiteral("6ヶ月後28日"), ""})),
             &PartnerListLayout()}}) {
    const Page page = DrawReport(k.report, m).front();
    std::vector<int> edges{c.X(10)};
    for (double r : k.layout->rules) edges.push_back(c.X(r));
    edges.push_back(c.X(200));
    const int firstRowTop = c.Y({40, 11.5, k.layout->textInset});
    for (const TextOp& t : TextsOf(page)) {
      if (t.y < firstRowTop) continue;  // header and headings
      const int right = t.x + static_cast<int>(std::ceil(DrawnWidth(t)));
      // Some column holds the whole text.
      bool inside = false;
      for (size_t i = 0; i + 1 < edges.size(); ++i) {
        inside = inside || (t.x >= edges[i] && right <= edges[i + 1]);
      }
      EXPECT_TRUE(inside) << k.name << ": " << DescribeOp(t).toStdString();
    }
  }
}
