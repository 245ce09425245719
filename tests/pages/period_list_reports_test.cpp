#include <QDate>

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "dates.h"
#include "golden_file.h"
#include "page_test_util.h"
#include "period_list_reports.h"

namespace {

ListReportSnapshot Base(int report, QStringList totals) {
  ListReportSnapshot s;
  s.report = report;
  s.from = EncodeDate(2024, 3, 1);
  s.to = EncodeDate(2024, 3, 31);
  s.totals = std::move(totals);
  s.printDate = QDate(2024, 4, 5);
  return s;
}

ListReportSnapshot ItemSales(int rows) {
  ListReportSnapshot s = Base(7, {"12,345", "6,000", "6,345"});
  for (int i = 1; i <= rows; ++i) {
    s.rows.push_back({QStringLiteral("A%1").arg(i, 3, 10, QLatin1Char('0')),
                      QStringLiteral("商品%1").arg(i), "8", "8,000", "4,800", "3,200"});
  }
  return s;
}

ListReportSnapshot CustomerSales(int rows) {
  ListReportSnapshot s = Base(8, {"3,002", "1,800", "1,202"});
  for (int i = 1; i <= rows; ++i) {
    s.rows.push_back({QStringLiteral("出荷先%1").arg(i), "1,001", "600", "401"});
  }
  return s;
}

ListReportSnapshot DateSales(int rows) {
  ListReportSnapshot s = Base(9, {"2,001", "1,200", "801"});
  for (int i = 1; i <= rows; ++i) {
    s.rows.push_back(
        {QDate(2024, 3, 1).addDays(i - 1).toString("yyyy/MM/dd"), "-2,001.5", "1,200", "-3,201.5"});
  }
  return s;
}

// Every third row a partner's subtotal, without code, price, date or partner.
ListReportSnapshot Returns(int rows) {
  ListReportSnapshot s = Base(10, {"44", "1,099.99"});
  for (int i = 1; i <= rows; ++i) {
    if (i % 3 == 0) {
      s.rows.push_back({"", QStringLiteral("佐藤商事 小計"), "6", "", "199.98", "", ""});
    } else {
      s.rows.push_back({QStringLiteral("B-%1").arg(i), QStringLiteral("消しゴム"), "3", "33.33",
                        "99.99", "2024/03/02", QStringLiteral("佐藤商事")});
    }
  }
  return s;
}

std::vector<Page> Draw(const ListReportSnapshot& s) {
  return DrawReport(PeriodListReport(s), FakePrinter600());
}

}  // namespace

TEST(PeriodListReports, GoldenPagesForAFullPageAndOneRowMore) {
  ExpectGoldenPages("item_sales_33.txt", Draw(ItemSales(33)));
  ExpectGoldenPages("customer_sales_33.txt", Draw(CustomerSales(33)));
  ExpectGoldenPages("date_sales_32.txt", Draw(DateSales(32)));
  ExpectGoldenPages("return_list_33.txt", Draw(Returns(33)));
}

TEST(PeriodListReports, PagesJobNamesAndTotalsOnTheLastPageOnly) {
  struct Case {
    ListReportSnapshot snapshot;
    int pages;
    QString title;
    QString suffix;
    QString left;  // label and value of the totals box
    QString right;
  };
  for (const Case& k :
       {Case{ItemSales(65), 3, "商品別明細一覧", " 商品別明細一覧", "\\12,345", "\\6,345"},
        Case{CustomerSales(32), 1, "取引先別一覧", " 取引先別一覧", "\\3,002", "\\1,202"},
        Case{DateSales(63), 3, "日付別一覧", " 日付別一覧", "\\2,001", "\\801"},
        Case{Returns(64), 2, "返品明細一覧", " 返品明細一覧", "44", "\\1,099.99"}}) {
    const Report report = PeriodListReport(k.snapshot);
    EXPECT_EQ(report.pageCount, k.pages) << k.title.toStdString();
    EXPECT_EQ(report.jobSuffix, k.suffix);
    const std::vector<Page> pages = DrawReport(report, FakePrinter600());
    for (int p = 0; p < k.pages; ++p) {
      const bool last = p + 1 == k.pages;
      const Page& page = pages[static_cast<size_t>(p)];
      EXPECT_NE(FindText(page, k.title), nullptr);
      EXPECT_NE(FindText(page, QStringLiteral("2024/03/01～2024/03/31")), nullptr);
      EXPECT_EQ(FindText(page, k.left) != nullptr, last) << k.title.toStdString() << " " << p;
      EXPECT_EQ(FindText(page, k.right) != nullptr, last) << k.title.toStdString() << " " << p;
      // The cost total is never printed.
      EXPECT_EQ(FindText(page, QStringLiteral("原価合計")), nullptr);
    }
  }
  EXPECT_THROW(PeriodListReport(Base(2, {})), std::invalid_argument);
}

TEST(PeriodListReports, SubtotalRowsPrintNoUnitPriceAndNoYenSign) {
  const Page page = Draw(Returns(3)).front();
  int prices = 0;
  int signs = 0;
  for (const TextOp& t : TextsOf(page)) {
    prices += t.text == QStringLiteral("\\33.33") ? 1 : 0;
    signs += t.text == QStringLiteral("\\") ? 1 : 0;
  }
  EXPECT_EQ(prices, 2);
  EXPECT_EQ(signs, 0);
  EXPECT_NE(FindText(page, QStringLiteral("\\199.98")), nullptr);
  EXPECT_NE(FindText(page, QStringLiteral("佐藤商事 小計")), nullptr);
}

TEST(PeriodListReports, EveryRowTextStaysInsideItsColumnWithWorstCaseData) {
  const DeviceMetrics m = FakePrinter600();
  const PageCanvas c(m);
  const QString wide = QString(40, QChar(0x305E));
  // Ten digits with decimals; the return list's narrow quantity and price columns take
  // six.
  const QString number = QStringLiteral("-99,999,999.99");
  const QString narrow = QStringLiteral("-999,999.99");
  const std::vector<std::pair<int, QStringList>> rows = {
      {7, {wide, wide, number, number, number, number}},
      {8, {wide, number, number, number}},
      {9, {"2024/12/31", number, number, number}},
      {10, {wide, wide, narrow, narrow, number, "2024/12/31", wide}}};
  for (const auto& [kind, row] : rows) {
    ListReportSnapshot s = Base(kind, {});
    s.rows = {row};
    const ListLayout& layout = PeriodListLayout(kind);
    std::vector<int> edges{c.X(10)};
    for (double r : layout.rules) edges.push_back(c.X(r));
    edges.push_back(c.X(200));
    const int firstRowTop = c.Y({40, 11.5, layout.textInset});
    const int frameBottom = c.Y(layout.frameBottom);
    for (const TextOp& t : TextsOf(Draw(s).front())) {
      if (t.y < firstRowTop || t.y > frameBottom) continue;  // header, headings, totals
      const int right = t.x + static_cast<int>(std::ceil(DrawnWidth(t)));
      bool inside = false;
      for (size_t i = 0; i + 1 < edges.size(); ++i) {
        inside = inside || (t.x >= edges[i] && right <= edges[i + 1]);
      }
      EXPECT_TRUE(inside) << kind << ": " << DescribeOp(t).toStdString();
    }
  }
}
