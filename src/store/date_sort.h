#pragma once

#include <algorithm>
#include <vector>

// Sorts lo..hi by date, oldest or newest first. Entries of one date keep the order they
// stand in, which is the order they were entered, so lists and printed documents show the
// slips of a day as the clerk entered them. `dateOf` reads an entry's date.
template <typename T, typename DateOf>
void SortRangeByDate(std::vector<T>& v, int lo, int hi, bool ascending, DateOf dateOf) {
  if (lo >= hi) return;
  const auto first = v.begin() + lo;
  const auto last = v.begin() + hi + 1;
  std::stable_sort(first, last, [&](const T& a, const T& b) {
    return ascending ? dateOf(a) < dateOf(b) : dateOf(b) < dateOf(a);
  });
}
