// The archive of issued documents at the size of years of daily work: searching an index
// of 100,000 entries, reading it, keeping one more document, and verifying 10,000 PDFs.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "archive_folder.h"
#include "archive_issue.h"
#include "archive_search.h"
#include "archive_verify.h"

namespace {

const QStringList kPartners = {QStringLiteral("株式会社ひまわり商店"), QStringLiteral("さくら商事"),
                               QStringLiteral("有限会社こだま"), QStringLiteral("山田工務店")};

// A PDF-sized file of its own bytes, so every hash differs.
QByteArray PdfBytes(int i, int size) {
  QByteArray bytes(size, 'x');
  bytes.replace(0, 16, QByteArray::number(i).rightJustified(16, '0'));
  return bytes;
}

ArchiveEntry EntryNo(int i) {
  ArchiveEntry e;
  e.seq = i + 1;
  e.kind = static_cast<ArchiveKind>(i % 3);
  e.date = QDate(2020, 1, 1).addDays(i / 30);
  e.amount = Money::FromInt(1000 + (i * 7919) % 500000);
  e.partnerId = i % 500;
  e.partner = kPartners[i % kPartners.size()] + QString::number(i % 500);
  e.reference = QStringLiteral("slip %1").arg(i);
  e.issuedAt = e.date.startOfDay().addSecs(9 * 3600);
  e.issuer = QStringLiteral("担当");
  return e;
}

// An index of `count` chained entries; with `pdfSize` > 0 each names a PDF of that size.
void WriteArchive(const QString& folder, int count, int pdfSize) {
  QDir().mkpath(folder);
  QFile index(ArchiveIndexPath(folder));
  index.open(QIODevice::WriteOnly);
  QString previous = ChainStart();
  for (int i = 0; i < count; ++i) {
    ArchiveEntry e = EntryNo(i);
    if (pdfSize > 0) {
      const QByteArray pdf = PdfBytes(i, pdfSize);
      e.file = ArchiveFileFor(folder, e);
      e.sha256 = Sha256Hex(pdf);
      const QString path = QDir(folder).filePath(e.file);
      QDir().mkpath(QFileInfo(path).absolutePath());
      QFile out(path);
      out.open(QIODevice::WriteOnly);
      out.write(pdf);
    } else {
      e.file = QStringLiteral("2020/01/%1.pdf").arg(i);
      e.sha256 = Sha256Hex(QByteArray::number(i));
    }
    e.previous = previous;
    const QByteArray line = EntryLine(e);
    previous = Sha256Hex(line);
    index.write(line + '\n');
  }
}

struct BigIndex {
  QTemporaryDir dir;
  QString folder = dir.filePath(QStringLiteral("shop_発行書類"));
  BigIndex() { WriteArchive(folder, 100000, 0); }
};

BigIndex& Index() {
  static BigIndex index;
  return index;
}

void BM_ReadIndex(benchmark::State& state) {
  const QString folder = Index().folder;
  for (auto _ : state) benchmark::DoNotOptimize(ReadArchive(folder).size());
}

void BM_CombinedSearch(benchmark::State& state) {
  const std::vector<ArchiveEntry> entries = ReadArchive(Index().folder);
  ArchiveQuery q;
  q.from = QDate(2021, 1, 1);
  q.to = QDate(2024, 12, 31);
  q.min = Money::FromInt(10000);
  q.max = Money::FromInt(200000);
  q.partner = QStringLiteral("ﾋﾏﾜﾘ");
  size_t found = 0;
  for (auto _ : state) {
    found = SearchArchive(entries, q).size();
    benchmark::DoNotOptimize(found);
  }
  state.counters["entries"] = static_cast<double>(entries.size());
  state.counters["found"] = static_cast<double>(found);
}

// Keeping one more document reads the index to chain and to mark a reissue.
void BM_KeepOneMore(benchmark::State& state) {
  const QByteArray pdf = PdfBytes(0, 40000);
  IssuedDocument d{QStringLiteral("invoice"),
                   QDate(2026, 11, 30),
                   Money::FromInt(128700),
                   3,
                   QStringLiteral("株式会社ひまわり商店"),
                   QStringLiteral("2026-11"),
                   QString()};
  const QString folder = Index().folder;
  for (auto _ : state) KeepDocument(folder, d, QStringLiteral("担当"), pdf);
}

void BM_Verify10kPdfs(benchmark::State& state) {
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("shop_発行書類"));
  WriteArchive(folder, 10000, 40000);
  for (auto _ : state) {
    const ArchiveCheck check = VerifyArchive(folder);
    if (!check.intact) state.SkipWithError(check.message.toStdString().c_str());
  }
}

BENCHMARK(BM_ReadIndex)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CombinedSearch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeepOneMore)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_Verify10kPdfs)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
