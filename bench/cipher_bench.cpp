// Enciphering and deciphering one million data-file fields under one password:
// keying Blowfish per field (as EncryptText does) against one reused key schedule.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "field_io.h"

namespace {

constexpr int kFields = 1000000;
constexpr char kPassword[] = "tenpo-pass";

// The texts lie in one buffer, as record texts lie close together in a document.
const std::vector<std::string_view>& Fields() {
  static std::string buffer;
  static const std::vector<std::string_view> fields = [] {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> length(6, 40);
    std::uniform_int_distribution<int> byte(0x20, 0x7E);
    std::vector<size_t> lengths(kFields);
    for (size_t& n : lengths) n = static_cast<size_t>(length(rng));
    for (size_t n : lengths) {
      for (size_t i = 0; i < n; ++i) buffer += static_cast<char>(byte(rng));
    }
    std::vector<std::string_view> out;
    size_t at = 0;
    for (size_t n : lengths) {
      out.push_back(std::string_view(buffer).substr(at, n));
      at += n;
    }
    return out;
  }();
  return fields;
}

template <typename Key>
std::string WriteAll(const Key& key) {
  ByteWriter w;
  w.Reserve(static_cast<size_t>(kFields) * 52);
  for (std::string_view f : Fields()) WriteField(w, f, key);
  return w.Take();
}

template <typename Key>
void ReadAll(const std::string& data, const Key& key, benchmark::State& state) {
  ByteReader r(data);
  for (int i = 0; i < kFields; ++i) benchmark::DoNotOptimize(ReadField(r, key));
  if (!r.AtEnd()) state.SkipWithError("fields left unread");
}

void SetCounters(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kFields);
  state.counters["fields/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kFields,
                                                  benchmark::Counter::kIsRate);
}

void BM_EncryptRekeyPerField(benchmark::State& state) {
  Fields();
  for (auto _ : state) benchmark::DoNotOptimize(WriteAll(std::string_view(kPassword)));
  SetCounters(state);
}

void BM_EncryptReusedSchedule(benchmark::State& state) {
  Fields();
  for (auto _ : state) {
    const FieldKey key(kPassword);
    benchmark::DoNotOptimize(WriteAll(key));
  }
  SetCounters(state);
}

void BM_DecryptRekeyPerField(benchmark::State& state) {
  const std::string data = WriteAll(FieldKey(kPassword));
  for (auto _ : state) ReadAll(data, std::string_view(kPassword), state);
  SetCounters(state);
}

void BM_DecryptReusedSchedule(benchmark::State& state) {
  const std::string data = WriteAll(FieldKey(kPassword));
  for (auto _ : state) {
    const FieldKey key(kPassword);
    ReadAll(data, key, state);
  }
  SetCounters(state);
}

BENCHMARK(BM_EncryptRekeyPerField)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EncryptReusedSchedule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecryptRekeyPerField)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DecryptReusedSchedule)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
