// The claim list of one month, one claim detail and the claim list's table texts on the
// shared large document.
#include <benchmark/benchmark.h>

#include <QString>

#include "billing.h"
#include "dates.h"
#include "ten_year_document.h"

namespace {

const Document& Sample() {
  static const Document doc = TenYearDocument();
  return doc;
}

// The same document issuing qualified invoices, every other product at the reduced rate.
const Document& QualifiedSample() {
  static const Document doc = [] {
    Document d = TenYearDocument();
    d.invoice.enabled = true;
    d.invoice.registrationNumber = "T1234567890123";
    for (size_t i = 0; i < d.items.Records().size(); i += 2) {
      d.invoice.reducedItems.insert(d.items.Records()[i].id);
    }
    return d;
  }();
  return doc;
}

// June 2024; a function, since the date helpers are not ready during static initialisation.
double Month() {
  return EncodeDate(2024, 6, 1);
}

void BM_ClaimList(benchmark::State& state) {
  const Document& doc = Sample();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeClaimList(doc, kCustomerKind, Month()));
  state.counters["rows"] =
      static_cast<double>(ComputeClaimList(doc, kCustomerKind, Month()).size());
}

void BM_ClaimListQualified(benchmark::State& state) {
  const Document& doc = QualifiedSample();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeClaimList(doc, kCustomerKind, Month()));
}

// The same rows by the per-partner rule, for comparison.
void BM_ClaimListPerPartner(benchmark::State& state) {
  const Document& doc = Sample();
  for (auto _ : state) {
    for (const CustomerRecord& p : doc.customers.Records()) {
      benchmark::DoNotOptimize(ComputeClaimListRow(doc, kCustomerKind, p.id, Month()));
    }
  }
}

// The customer with the most rows in the month.
int32_t BusiestCustomer(const Document& doc) {
  int32_t best = 0;
  size_t most = 0;
  for (const CustomerRecord& p : doc.customers.Records()) {
    const size_t rows = ComputeClaimDetail(doc, kCustomerKind, p.id, Month()).rows.size();
    if (rows > most) {
      most = rows;
      best = p.id;
    }
  }
  return best;
}

void BM_ClaimDetail(benchmark::State& state) {
  const Document& doc = Sample();
  const int32_t id = BusiestCustomer(doc);
  for (auto _ : state)
    benchmark::DoNotOptimize(ComputeClaimDetail(doc, kCustomerKind, id, Month()));
  state.counters["rows"] =
      static_cast<double>(ComputeClaimDetail(doc, kCustomerKind, id, Month()).rows.size());
}

// The claim list's rows and the texts of its table cells, as the window fills them.
void BM_ClaimListTableTexts(benchmark::State& state) {
  const Document& doc = Sample();
  for (auto _ : state) {
    std::vector<QString> cells;
    for (const ClaimListRow& r : ComputeClaimList(doc, kCustomerKind, Month())) {
      cells.push_back(QString::fromStdString(r.name));
      cells.push_back(QString::fromStdString(FormatAmount(r.amount)));
      cells.push_back(r.closingDayText);
      cells.push_back(r.dueText);
      cells.push_back(QString::number(r.id));
    }
    benchmark::DoNotOptimize(cells);
  }
}

BENCHMARK(BM_ClaimList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClaimListQualified)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClaimListPerPartner)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ClaimDetail)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClaimListTableTexts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
