// The claim list of one month, one claim detail and the claim list's table texts on a
// ten-year document: 100,000 slips of 5 lines, 500 customers, 2,000 products and
// 20,000 receipts.
#include <benchmark/benchmark.h>

#include <QString>
#include <random>
#include <string>

#include "billing.h"
#include "dates.h"

namespace {

Document Generate() {
  Document doc;
  std::mt19937 rng(12);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  doc.taxes.Add(EncodeDate(2019, 10, 1), Money::FromInt(10));
  for (int i = 0; i < 2000; ++i) {
    doc.items.Add("P" + std::to_string(i), "product " + std::to_string(i), "", "pc",
                  std::to_string(100 + pick(9000)), "0", "", "", i % 3, 0, 0, 0);
  }
  std::vector<CustomerRecord> customers(500);
  for (int i = 0; i < 500; ++i) {
    CustomerRecord& r = customers[static_cast<size_t>(i)];
    r.id = i;
    r.name = "customer " + std::to_string(i);
    r.closingDay = i % 29;
    r.payMonth = i % 3;
    r.rounding = i % 3;
    r.openingBalance = Money::FromInt(pick(100000));
  }
  doc.customers.AssignRecords(std::move(customers));
  const double first = EncodeDate(2015, 1, 1);
  const int days = static_cast<int>(EncodeDate(2024, 12, 31) - first);
  for (int i = 0; i < 100000; ++i) {
    Slip s;
    s.id = i;
    s.kind = pick(10) == 0 ? 3 : 1;
    s.partner = pick(500);
    s.date = first + pick(days);
    s.number = std::to_string(100000 + i);
    for (int l = 0; l < 5; ++l) {
      s.AddLine(std::to_string(pick(2000)), std::to_string(100 + pick(9000)),
                std::to_string(1 + pick(20)), "");
    }
    doc.slips.AddKeepingId(s);
  }
  std::vector<Payment> receipts(20000);
  for (int i = 0; i < 20000; ++i) {
    receipts[static_cast<size_t>(i)] =
        Payment{i, pick(500), first + pick(days), Money::FromInt(1000 + pick(100000)), ""};
  }
  doc.receipts.AssignRecords(std::move(receipts));
  return doc;
}

const Document& Sample() {
  static const Document doc = Generate();
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
BENCHMARK(BM_ClaimListPerPartner)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ClaimDetail)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClaimListTableTexts)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
