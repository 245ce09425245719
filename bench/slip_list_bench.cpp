// One customer's slip list on the large document: the rows as the window and tenpo-cli
// compute them, for a customer with 200 slips and one with 20,000, and filling the slip
// list table with the latter the way the window fills it.
#include <benchmark/benchmark.h>

#include <QTableWidget>

#include "amount_text.h"
#include "date_convert.h"
#include "list_view.h"
#include "sjis_codec.h"
#include "slip_values.h"
#include "ten_year_document.h"

namespace {

constexpr int32_t kSmallCustomer = 1;
constexpr int32_t kLargeCustomer = 0;

// Gives `partner` exactly `count` shipment-mode slips, taking them from other customers,
// so the two sizes are exact whatever the random draw gave.
void SetSlipCount(Document& doc, int32_t partner, int count) {
  int have = 0;
  for (const Slip& s : doc.slips.Slips()) have += s.kind % 2 == 1 && s.partner == partner;
  for (int i = 0; i < doc.slips.Count(); ++i) {
    Slip s = doc.slips.Get(i);
    if (s.kind % 2 != 1) continue;
    if (have < count && s.partner > kSmallCustomer) {
      s.partner = partner;
      ++have;
    } else if (have > count && s.partner == partner) {
      s.partner = 2 + i % 498;
      --have;
    } else {
      continue;
    }
    doc.slips.Update(s);
  }
}

const Document& Sample() {
  static const Document doc = [] {
    Document d = TenYearDocument();
    SetSlipCount(d, kLargeCustomer, 20000);
    SetSlipCount(d, kSmallCustomer, 200);
    return d;
  }();
  return doc;
}

void BM_SlipListRows(benchmark::State& state) {
  const Document& doc = Sample();
  const auto partner = static_cast<int32_t>(state.range(0));
  size_t rows = 0;
  for (auto _ : state) {
    const SlipListRows list = ComputeSlipList(doc, kCustomerKind, partner, std::nullopt);
    rows = list.rows.size();
    benchmark::DoNotOptimize(list.total);
  }
  state.counters["slips"] = static_cast<double>(rows);
}

void BM_SlipListTable(benchmark::State& state) {
  const Document& doc = Sample();
  QTableWidget table;
  SetUpListView(&table, {{"日付", 120}, {"伝票No", 120}, {"金額", 150, true}, {"id", 0}});
  for (auto _ : state) {
    const SlipListRows list = ComputeSlipList(doc, kCustomerKind, kLargeCustomer, std::nullopt);
    std::vector<QStringList> rows;
    rows.reserve(list.rows.size());
    for (const SlipListRow& r : list.rows) {
      rows.push_back({ShortDateText(r.date), FromSjis(r.number), FormattedAmount(r.total),
                      QString::number(r.id)});
    }
    FillListView(&table, rows);
    benchmark::DoNotOptimize(table.rowCount());
  }
}

BENCHMARK(BM_SlipListRows)
    ->ArgName("customer")
    ->Arg(kSmallCustomer)
    ->Arg(kLargeCustomer)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SlipListTable)->Unit(benchmark::kMillisecond);

}  // namespace
