#include <gtest/gtest.h>

#include "page_test_util.h"
#include "pdf_output.h"
#include "trend_report.h"

namespace {

// A year from April with forty customers: two landscape pages, the chart on the first.
MonthlyTrend FortyCustomers() {
  MonthlyTrend t;
  t.query = {TrendOf::Sales, TrendBy::Partner, 2024, 4};
  for (int i = 0; i < 40; ++i) {
    TrendRow r;
    r.id = i;
    r.name = "Customer " + std::to_string(i);
    for (int m = 0; m < 12; ++m) {
      r.months[static_cast<size_t>(m)] =
          Money::FromInt((i + 1) * 1000 + m * 250 - (m == 5 ? 9000 : 0));
      r.previousMonths[static_cast<size_t>(m)] = Money::FromInt((i + 1) * 900);
      r.total = r.total + r.months[static_cast<size_t>(m)];
      r.previous = r.previous + r.previousMonths[static_cast<size_t>(m)];
      t.total.months[static_cast<size_t>(m)] =
          t.total.months[static_cast<size_t>(m)] + r.months[static_cast<size_t>(m)];
      t.total.previousMonths[static_cast<size_t>(m)] =
          t.total.previousMonths[static_cast<size_t>(m)] + r.previousMonths[static_cast<size_t>(m)];
    }
    r.ratio = i == 3 ? std::nullopt : std::optional<Money>(Money::FromRaw(1234000));
    t.total.total = t.total.total + r.total;
    t.total.previous = t.total.previous + r.previous;
    t.rows.push_back(r);
  }
  return t;
}

TEST(TrendReport, LandscapePagesWithTheChartFirstAndTheHeaderOnEach) {
  const MonthlyTrend trend = FortyCustomers();
  std::vector<size_t> order(trend.rows.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  for (const std::vector<size_t>& charted : {std::vector<size_t>{}, std::vector<size_t>{0, 1, 2}}) {
    const Report report = TrendReport(TrendSnapshotOf(trend, order, charted, QDate(2026, 12, 9)));
    EXPECT_TRUE(report.landscape);
    const std::vector<Page> pages = DrawReport(report, PdfMetrics(true));
    ASSERT_EQ(pages.size(), 2u);
    const QString second = DescribePage(pages[1]);
    EXPECT_TRUE(second.contains(QStringLiteral("得意先名")));  // the header again
    EXPECT_TRUE(second.contains(QStringLiteral("合計")));
    EXPECT_FALSE(second.contains(QStringLiteral("#ff1f77b4")));  // no chart after the first
    ExpectGoldenPages(charted.empty() ? QStringLiteral("trend_total_bars.txt")
                                      : QStringLiteral("trend_three_lines.txt"),
                      pages);
  }
}

}  // namespace
