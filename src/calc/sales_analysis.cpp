#include "sales_analysis.h"

#include <cmath>
#include <unordered_map>

#include "checked_money.h"
#include "list_limits.h"

namespace {

bool IsSale(const Slip& slip) {
  return slip.kind == kShipmentSlip || slip.kind == kShipmentReturnSlip;
}

// Adds to a sum for a sale, subtracts for a return.
void Book(Money& sum, const Slip& slip, Money value) {
  sum = slip.kind == kShipmentReturnSlip ? CheckedSub(sum, value) : CheckedAdd(sum, value);
}

// Customers by id: position in the list and rounding method, found once per computation.
struct CustomerEntry {
  size_t position = 0;
  int rounding = 0;
};

std::unordered_map<int32_t, CustomerEntry> IndexCustomers(const Document& doc) {
  std::unordered_map<int32_t, CustomerEntry> index;
  const auto& customers = doc.customers.Records();
  index.reserve(customers.size());
  for (size_t i = 0; i < customers.size(); ++i) {
    index.emplace(customers[i].id,
                  CustomerEntry{i, EffectiveTerms(doc.company, customers[i]).rounding});
  }
  return index;
}

int RoundingOf(const std::unordered_map<int32_t, CustomerEntry>& customers, const Document& doc,
               int32_t id) {
  const auto it = customers.find(id);
  return it == customers.end() ? doc.company.rounding : it->second.rounding;
}

// A line's cost as the customer and date analyses count it: rounded per line.
Money LineCost(const SlipLine& line, const ItemRecord* item, int rounding) {
  return item == nullptr ? Money{} : RoundAmount(rounding, line.quantity * item->cost);
}

struct SalesSum {
  Money sales;
  Money cost;
};

void BookLines(SalesSum& sum, const Slip& slip, const ItemIndex& items, int rounding) {
  for (const SlipLine& line : slip.Lines()) {
    Book(sum.sales, slip, LineAmountInYen(line, rounding));
    Book(sum.cost, slip, LineCost(line, items.Find(line.product), rounding));
  }
}

void AddToTotals(SalesTotals& totals, Money sales, Money cost, Money profit) {
  totals.sales = CheckedAdd(totals.sales, sales);
  totals.cost = CheckedAdd(totals.cost, cost);
  totals.profit = CheckedAdd(totals.profit, profit);
}

}  // namespace

ItemSales ComputeItemSales(const Document& doc, SlipPeriod period, bool hideZero) {
  const auto& products = doc.items.Records();
  struct Entry {
    Money amount;
    Money quantity;
  };
  std::vector<Entry> table(products.size());
  std::unordered_map<int32_t, size_t> position;
  position.reserve(products.size());
  for (size_t i = 0; i < products.size(); ++i) position.emplace(products[i].id, i);
  const auto customers = IndexCustomers(doc);

  for (const Slip& slip : doc.slips.Slips()) {
    if (!IsSale(slip) || !period.Holds(slip.date)) continue;
    const int rounding = RoundingOf(customers, doc, slip.partner);
    for (const SlipLine& line : slip.Lines()) {
      const auto it = position.find(line.product);
      if (it == position.end()) continue;
      Entry& entry = table[it->second];
      Book(entry.amount, slip, LineAmountInYen(line, rounding));
      Book(entry.quantity, slip, line.quantity);
    }
  }

  ItemSales result;
  for (size_t i = 0; i < products.size(); ++i) {
    const Entry& entry = table[i];
    if (hideZero && entry.amount == Money{}) continue;
    // The cost is kept to the 1/100 the list shows, so that every output's rows add up
    // to its totals; the amount is whole yen already.
    const Money cost = ShownValue(entry.quantity * products[i].cost);
    const Money profit = CheckedSub(entry.amount, cost);
    result.rows.push_back({products[i].id, products[i].code, products[i].name, entry.quantity,
                           entry.amount, cost, profit});
    result.amount = CheckedAdd(result.amount, entry.amount);
    result.cost = CheckedAdd(result.cost, cost);
    result.profit = CheckedAdd(result.profit, profit);
  }
  return result;
}

CustomerSales ComputeCustomerSales(const Document& doc, SlipPeriod period, bool hideZero) {
  const auto& list = doc.customers.Records();
  std::vector<SalesSum> table(list.size());
  const auto customers = IndexCustomers(doc);
  const ItemIndex items(doc.items);

  for (const Slip& slip : doc.slips.Slips()) {
    if (!IsSale(slip) || !period.Holds(slip.date)) continue;
    const auto it = customers.find(slip.partner);
    if (it == customers.end()) continue;
    BookLines(table[it->second.position], slip, items, it->second.rounding);
  }

  CustomerSales result;
  for (size_t i = 0; i < list.size(); ++i) {
    const SalesSum& sum = table[i];
    if (hideZero && sum.sales == Money{}) continue;
    const Money profit = CheckedSub(sum.sales, sum.cost);
    result.rows.push_back({list[i].id, list[i].name, sum.sales, sum.cost, profit});
    AddToTotals(result.totals, sum.sales, sum.cost, profit);
  }
  return result;
}

DateSales ComputeDateSales(const Document& doc, SlipPeriod period, bool hideZero) {
  const double first = std::floor(period.from);
  const double last = std::floor(period.to);
  DateSales result;
  if (first > last) return result;
  CheckDaysOfAListByDay(first, last);
  std::vector<SalesSum> table(static_cast<size_t>(last - first) + 1);
  const auto customers = IndexCustomers(doc);
  const ItemIndex items(doc.items);

  for (const Slip& slip : doc.slips.Slips()) {
    if (!IsSale(slip) || !period.Holds(slip.date)) continue;
    const auto day = static_cast<size_t>(std::floor(slip.date) - first);
    BookLines(table[day], slip, items, RoundingOf(customers, doc, slip.partner));
  }

  for (size_t i = 0; i < table.size(); ++i) {
    const SalesSum& sum = table[i];
    if (hideZero && sum.sales == Money{}) continue;
    const Money profit = CheckedSub(sum.sales, sum.cost);
    result.rows.push_back(
        {static_cast<int>(i), first + static_cast<double>(i), sum.sales, sum.cost, profit});
    AddToTotals(result.totals, sum.sales, sum.cost, profit);
  }
  return result;
}
