// Finding in a product list of 2,000 rows, one keystroke at a time, and writing a list of
// 20,000 rows as CSV the way "CSVで保存…" does.
#include <benchmark/benchmark.h>

#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

#include "list_csv.h"
#include "list_find.h"
#include "list_view.h"

namespace {

const std::vector<ListColumn> kColumns = {{QStringLiteral("商品コード")},
                                          {QStringLiteral("商品名")},
                                          {QStringLiteral("単価"), 80, true},
                                          {QStringLiteral("備考")}};

void Fill(QTableWidget* view, int rows) {
  SetUpListView(view, kColumns);
  std::vector<QStringList> texts;
  for (int i = 0; i < rows; ++i) {
    texts.push_back({QStringLiteral("A-%1").arg(i, 5, 10, QLatin1Char('0')),
                     QStringLiteral("ｻﾝﾌﾟﾙ商品 第%1号, 青").arg(i),
                     QStringLiteral("1,%1.5").arg(i % 1000, 3, 10, QLatin1Char('0')),
                     QStringLiteral("備考 \"%1\"").arg(i)});
  }
  FillListView(view, texts);
}

// The worst keystroke: a text found in no row, so all 2,000 are compared.
void BM_FindKeystroke(benchmark::State& state) {
  QWidget window;
  auto* view = new QTableWidget(&window);
  Fill(view, 2000);
  TFindBar bar(&window, TableFindTarget(view, {0, 1}));
  for (auto _ : state) {
    bar.EditFind->setText(QStringLiteral("ぼーるぺ"));
    bar.FindNext();
    benchmark::DoNotOptimize(bar.Found());
  }
}
BENCHMARK(BM_FindKeystroke)->Unit(benchmark::kMillisecond);

void BM_SaveCsv(benchmark::State& state) {
  QTableWidget view;
  Fill(&view, 20000);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("list.csv"));
  for (auto _ : state) SaveListViewCsv(&view, path);
}
BENCHMARK(BM_SaveCsv)->Unit(benchmark::kMillisecond);

}  // namespace
