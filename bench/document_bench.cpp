// Saving and opening a large document, plain and with a password, and the peak memory
// of each against the size of the file.
//
//   tenpo_bench_document                 runs the timings, then measures peak memory in
//                                        child processes of itself
//   tenpo_bench_document --peak open|save FILE [PASSWORD]
//                                        one measurement (used by the above)
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "data_file.h"
#include "file_error.h"
#include "sample_document.h"

namespace {

constexpr char kPassword[] = "bench-password";
constexpr int kDays = 1800;  // the slips' dates spread over about five years

const Document& Sample() {
  static const Document doc = GenerateDocument(kDays);
  return doc;
}

QString FileFor(bool password) {
  static QTemporaryDir dir;
  const QString path = dir.filePath(password ? "locked.tlg" : "plain.tlg");
  if (!QFileInfo::exists(path)) {
    Document copy = Sample();
    copy.usePassword = password;
    copy.password = password ? kPassword : "";
    SaveDocument(copy, path);
  }
  return path;
}

void BM_Save(benchmark::State& state) {
  const bool password = state.range(0) != 0;
  Document doc = Sample();
  doc.usePassword = password;
  doc.password = password ? kPassword : "";
  const QString path = FileFor(password) + ".out";
  for (auto _ : state) SaveDocument(doc, path);
  state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

void BM_Open(benchmark::State& state) {
  const bool password = state.range(0) != 0;
  const QString path = FileFor(password);
  for (auto _ : state) {
    Document doc;
    const OpenPrompts prompts{[]() -> std::optional<std::string> { return kPassword; },
                              [](const QString&) {}};
    if (OpenDocument(doc, path, prompts) != OpenResult::Opened) state.SkipWithError("not opened");
    benchmark::DoNotOptimize(doc.slips.Count());
  }
  state.counters["MB"] = static_cast<double>(QFileInfo(path).size()) / 1e6;
}

BENCHMARK(BM_Save)->ArgName("password")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Open)->ArgName("password")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

long PeakKb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// In a fresh process: the peak resident memory that opening or saving adds to the
// process, in kB, for the file of the given size.
int MeasurePeak(const std::string& mode, const QString& path, const std::string& password) {
  const long before = PeakKb();
  long extra = 0;
  if (mode == "open") {
    Document doc;
    const OpenPrompts prompts{[&]() -> std::optional<std::string> { return password; },
                              [](const QString&) {}};
    if (OpenDocument(doc, path, prompts) != OpenResult::Opened) return 1;
    extra = PeakKb() - before;
  } else {
    Document doc = GenerateDocument(kDays);
    doc.usePassword = !password.empty();
    doc.password = password;
    const long held = PeakKb();
    SaveDocument(doc, path + ".peak");
    extra = PeakKb() - before;
    std::printf("document %ld ", held - before);
  }
  std::printf("%ld\n", extra);
  return 0;
}

void ReportPeaks(const char* self) {
  std::printf("\nPeak memory added by the operation (fresh process each):\n");
  for (const bool password : {false, true}) {
    const QString path = FileFor(password);
    const double fileKb = static_cast<double>(QFileInfo(path).size()) / 1024.0;
    for (const char* mode : {"open", "save"}) {
      const std::string command = std::string(self) + " --peak " + mode + " '" +
                                  path.toStdString() + "' " + (password ? kPassword : "");
      FILE* pipe = popen(command.c_str(), "r");
      char line[256] = {};
      const bool read = pipe != nullptr && std::fgets(line, sizeof line, pipe) != nullptr;
      if (pipe != nullptr) pclose(pipe);
      if (!read) continue;
      const char* last = std::strrchr(line, ' ');
      const long kb = std::atol(last != nullptr ? last + 1 : line);
      std::printf("  %-4s %-8s file %7.1f MB  peak +%7.1f MB  = %.2f x file\n", mode,
                  password ? "password" : "plain", fileKb / 1024, kb / 1024.0, kb / fileKb);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 4 && std::strcmp(argv[1], "--peak") == 0) {
    return MeasurePeak(argv[2], QString::fromLocal8Bit(argv[3]), argc >= 5 ? argv[4] : "");
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  char self[4096] = {};
  if (readlink("/proc/self/exe", self, sizeof self - 1) > 0) ReportPeaks(self);
  return 0;
}
