// The sales analyses and the return list over a document of ten years, and the windows
// filling their tables from them.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QDateEdit>
#include <QSpinBox>
#include <QTableWidget>

#include "date_convert.h"
#include "dates.h"
#include "form_date_sales_list.h"
#include "chart_view.h"
#include "form_item_sales_list.h"
#include "form_monthly_trend.h"
#include "monthly_trend.h"
#include "return_list.h"
#include "sales_analysis.h"
#include "ten_year_document.h"

namespace {

Document& TenYears() {
  static Document doc = TenYearDocument(3650);
  return doc;
}

// Arg 0: the first year; arg 1: all ten.
SlipPeriod PeriodOf(const benchmark::State& state) {
  const double first = EncodeDate(2021, 1, 1);
  return {first, state.range(0) == 0 ? EncodeDate(2021, 12, 31) : EncodeDate(2030, 12, 31)};
}

void BM_ItemSales(benchmark::State& state) {
  const SlipPeriod period = PeriodOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(ComputeItemSales(TenYears(), period, false));
}

void BM_CustomerSales(benchmark::State& state) {
  const SlipPeriod period = PeriodOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(ComputeCustomerSales(TenYears(), period, false));
}

void BM_DateSales(benchmark::State& state) {
  const SlipPeriod period = PeriodOf(state);
  for (auto _ : state) benchmark::DoNotOptimize(ComputeDateSales(TenYears(), period, false));
}

void BM_ReturnList(benchmark::State& state) {
  const SlipPeriod period = PeriodOf(state);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeReturnList(TenYears(), kCustomerKind, period, true));
  }
}

// "更新" in the window: the computation and the table of its rows.
template <class Window>
void Refresh(benchmark::State& state, int expectedRows) {
  Window window(TenYears());
  window.show();
  window.DateTimePickerFrom->setDate(QDate(2021, 1, 1));
  window.DateTimePickerTo->setDate(QDate(2030, 12, 29));
  for (auto _ : state) window.ButtonRefreshClick();
  if (window.ListViewSalesList->rowCount() != expectedRows) state.SkipWithError("rows missing");
}

void BM_FillProductTable(benchmark::State& state) {
  Refresh<TFormItemSalesList>(state, 2000);
}

void BM_FillDayTable(benchmark::State& state) {
  Refresh<TFormDateSalesList>(state, 3650);
}

// 月別推移 of a year by product (2,000 rows), and the window's 更新 with its table and the
// chart of the total painted.
void BM_TrendByProduct(benchmark::State& state) {
  const TrendQuery q{TrendOf::Sales, TrendBy::Item, 2025, 4};
  for (auto _ : state) benchmark::DoNotOptimize(ComputeMonthlyTrend(TenYears(), q));
}

void BM_TrendWindow(benchmark::State& state) {
  TFormMonthlyTrend window(TenYears());
  window.show();
  window.ComboBoxBy->setCurrentIndex(1);
  window.EditYear->setValue(2025);
  window.ComboBoxStartMonth->setCurrentIndex(3);
  for (auto _ : state) {
    window.ButtonUpdateClick();
    window.ChartTrend->repaint();
  }
  if (window.ListViewTrend->rowCount() != 2000) state.SkipWithError("rows missing");
}

BENCHMARK(BM_TrendByProduct)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TrendWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ItemSales)->ArgName("tenYears")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CustomerSales)->ArgName("tenYears")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DateSales)->ArgName("tenYears")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReturnList)->ArgName("tenYears")->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillProductTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillDayTable)->Unit(benchmark::kMillisecond);

}  // namespace
