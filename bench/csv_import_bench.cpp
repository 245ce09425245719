// Bringing in a spreadsheet of 10,000 products: reading, checking and the preview's rows,
// as the CSV取込 window does before anything is stored, then storing them.
#include <benchmark/benchmark.h>

#include "csv_import.h"
#include "document.h"
#include "sjis_codec.h"

namespace {

QByteArray ProductsCsv(int rows) {
  QString text = QStringLiteral("商品コード,商品名,単位,単価,原価,税区分,分類１,備考\r\n");
  for (int i = 0; i < rows; ++i) {
    text += QStringLiteral("P%1,商品%1,個,\"1,%2\",%3,税抜,分類%4,\"備考, その%1\"\r\n")
                .arg(i)
                .arg(i % 1000, 3, 10, QLatin1Char('0'))
                .arg(i % 700)
                .arg(i % 20);
  }
  return QByteArray::fromStdString(*ToSjis(text));
}

void BM_CheckAndPreview(benchmark::State& state) {
  const QByteArray csv = ProductsCsv(static_cast<int>(state.range(0)));
  Document doc;
  ResetDocument(doc);
  for (auto _ : state) {
    const ImportPlan plan = PlanCsvImport(doc, ImportTarget::Items, csv, false);
    if (!plan.Ready()) state.SkipWithError("rows refused");
    benchmark::DoNotOptimize(ImportPreview(plan).rows.size());
  }
}

void BM_CheckPreviewAndStore(benchmark::State& state) {
  const QByteArray csv = ProductsCsv(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Document doc;
    ResetDocument(doc);
    const ImportPlan plan = PlanCsvImport(doc, ImportTarget::Items, csv, false);
    benchmark::DoNotOptimize(ImportPreview(plan).rows.size());
    ApplyCsvImport(doc, plan);
    if (doc.items.Count() != state.range(0)) state.SkipWithError("not stored");
  }
}

BENCHMARK(BM_CheckAndPreview)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CheckPreviewAndStore)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
