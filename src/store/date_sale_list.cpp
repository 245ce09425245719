#include "date_sale_list.h"

#include <cmath>

#include "dates.h"

bool DateSaleList::Clear() {
  entries_.clear();
  return true;
}

bool DateSaleList::Prepare(double from, double to) {
  entries_.clear();
  const double first = DatePart(from);
  const int days = static_cast<int>(std::fabs(to - from));  // whole days between
  for (int i = 0; i <= days; ++i) entries_.push_back({first + i, {}, {}});
  return true;
}

int DateSaleList::IndexOfDate(double date) const {
  const double day = DatePart(date);
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].date == day) return static_cast<int>(i);
  }
  return -1;
}

void DateSaleList::AddTo(int index, Money sales, Money cost) {
  DateSale& e = entries_[static_cast<size_t>(index)];
  e.sales += sales;
  e.cost += cost;
}
