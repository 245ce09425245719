#pragma once

#include <vector>

#include "money.h"

struct DateSale {
  double date = 0;
  Money sales;
  Money cost;
};

// Sales and cost per calendar day of a period, filled by the daily analysis; never stored.
class DateSaleList {
 public:
  bool Clear();
  // One zeroed entry per day from `from` to `to`, both included.
  bool Prepare(double from, double to);
  // The entry of the date part of `date`, or -1.
  int IndexOfDate(double date) const;
  DateSale Get(int index) const { return entries_[static_cast<size_t>(index)]; }
  // Adds to the entry in place.
  void AddTo(int index, Money sales, Money cost);
  int Count() const { return static_cast<int>(entries_.size()); }

 private:
  std::vector<DateSale> entries_;
};
