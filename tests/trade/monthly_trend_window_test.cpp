#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "chart_view.h"
#include "form_monthly_trend.h"
#include "form_set_printer.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "pdf_output.h"
#include "trade_fixture.h"

namespace {

class MonthlyTrendWindowTest : public TradeFormsTest {
 protected:
  void SetUp() override {
    TradeFormsTest::SetUp();
    WithPrintWindows();
    StoreSlip(kShipmentSlip, kSato, EncodeDate(2025, 4, 10), "1000", "2");
    StoreSlip(kShipmentSlip, kSato, EncodeDate(2026, 3, 31), "1000", "3");
    StoreSlip(kShipmentSlip, kYamada, EncodeDate(2025, 6, 1), "100", "1");
    StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2025, 5, 1), "1000", "1");
    StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 1), "1000", "1");  // the year before
  }

  TFormMonthlyTrend& Window() { return *Forms().As<TFormMonthlyTrend>(FormId::MonthlyTrend); }
};

// The table is the computation's, sorting keeps rows whole, the chart follows the selection
// and 印刷 hands a landscape report with the chart to the printer choice.
TEST_F(MonthlyTrendWindowTest, TableSortChartAndPrint) {
  TFormMonthlyTrend& w = Window();
  w.show();
  w.EditYear->setValue(2025);
  w.ComboBoxStartMonth->setCurrentIndex(3);  // April
  w.ButtonUpdateClick();
  const std::vector<QStringList> rows = ListViewTexts(w.ListViewTrend);
  ASSERT_EQ(rows.size(), 3u);  // every customer
  EXPECT_EQ(w.ListViewTrend->horizontalHeaderItem(1)->text(), QStringLiteral("4月"));
  EXPECT_EQ(rows[1][0], QStringLiteral("佐藤商事"));
  EXPECT_EQ(rows[1][1], QStringLiteral("2,000"));
  EXPECT_EQ(rows[1][2], QStringLiteral("-1,000"));
  EXPECT_EQ(rows[1][12], QStringLiteral("3,000"));
  EXPECT_EQ(rows[1][13], QStringLiteral("4,000"));
  EXPECT_EQ(rows[1][14], QStringLiteral("1,000"));
  EXPECT_EQ(rows[1][15], QStringLiteral("400%"));
  EXPECT_EQ(ListViewTexts(w.ListViewTotal)[0][13], QStringLiteral("4,100"));

  w.SortBy(13);  // 合計, largest first
  EXPECT_EQ(ListViewTexts(w.ListViewTrend)[0][0], QStringLiteral("佐藤商事"));
  EXPECT_EQ(ListViewTexts(w.ListViewTrend)[0][15], QStringLiteral("400%"));
  SelectViewRow(w.ListViewTrend, 0);
  EXPECT_TRUE(w.ChartTrend->Chart().bars);
  EXPECT_EQ(w.ChartTrend->Chart().series[0].name, QStringLiteral("佐藤商事（今年）"));
  w.ListViewTrend->selectAll();
  EXPECT_FALSE(w.ChartTrend->Chart().bars);
  EXPECT_EQ(w.ChartTrend->Chart().series.size(), 3u);
  // The tip names the month and the value of the line nearest the mouse.
  w.ChartTrend->resize(600, 300);
  QString tip;
  for (int x = 0; x < 600 && tip.isEmpty(); x += 5) tip = w.ChartTrend->TipAt({x, 150});
  EXPECT_TRUE(tip.startsWith(QStringLiteral("4月 "))) << tip.toStdString();
  EXPECT_TRUE(w.ChartTrend->TipAt({2, 2}).isEmpty());

  bool printed = false;
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
    printed = true;
    EXPECT_EQ(printer.Tag, kReportTrend);
    const Report& report = printer.CurrentReport();
    EXPECT_TRUE(report.landscape);
    const DeviceMetrics sheet = PdfMetrics(true);
    EXPECT_GT(sheet.width, sheet.height);
    const std::vector<Page> pages = DrawReport(report, sheet);
    ASSERT_EQ(pages.size(), 1u);
    const QString page = DescribePage(pages[0]);
    EXPECT_TRUE(page.contains(QStringLiteral("佐藤商事")));
    EXPECT_TRUE(page.contains(QStringLiteral("#ff1f77b4")));  // the chart's first line
    EXPECT_FALSE(RenderPdf(report, QStringLiteral("t")).isEmpty());
    printer.ButtonCancel->click();
  });
  w.ButtonPrintClick();
  EXPECT_TRUE(printed);
  w.hide();
}

}  // namespace
