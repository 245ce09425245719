// What a recovery copy of the large document costs. The UI thread only copies the
// document (BM_SnapshotOnUiThread); encoding, enciphering and writing run on the
// writer's thread (BM_WriterThread), so only the first holds up typing.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "recovery_copy.h"
#include "ten_year_document.h"

namespace {

const Document& Sample() {
  static const Document doc = TenYearDocument();
  return doc;
}

void BM_SnapshotOnUiThread(benchmark::State& state) {
  const Document& doc = Sample();
  for (auto _ : state) {
    Document snapshot = doc;
    benchmark::DoNotOptimize(snapshot.slips.Count());
  }
  state.counters["slips"] = doc.slips.Count();
}

void BM_WriterThread(benchmark::State& state) {
  Document doc = Sample();
  doc.usePassword = state.range(0) != 0;
  doc.password = doc.usePassword ? "bench-password" : "";
  QTemporaryDir dir;
  RecoveryWriter writer(dir.filePath(QStringLiteral("Recovery")));
  for (auto _ : state) {
    writer.Write(doc, QStringLiteral("/tmp/bench.TLG"), QStringLiteral("bench"),
                 QDateTime::currentDateTime());
    writer.Flush();
  }
}

BENCHMARK(BM_SnapshotOnUiThread)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriterThread)->ArgName("password")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
