#pragma once

#include <utility>
#include <vector>

// The recursive quicksort of Kernighan and Ritchie over lo..hi by date; not stable, so
// entries of one date come out in no particular order. `dateOf` reads an entry's date.
template <typename T, typename DateOf>
void SortRangeByDate(std::vector<T>& v, int lo, int hi, bool ascending, DateOf dateOf) {
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    std::swap(v[static_cast<size_t>(lo)], v[static_cast<size_t>(mid)]);
    const double pivot = dateOf(v[static_cast<size_t>(lo)]);
    int last = lo;
    for (int i = lo + 1; i <= hi; ++i) {
      const double d = dateOf(v[static_cast<size_t>(i)]);
      if (ascending ? d < pivot : d > pivot)
        std::swap(v[static_cast<size_t>(++last)], v[static_cast<size_t>(i)]);
    }
    std::swap(v[static_cast<size_t>(lo)], v[static_cast<size_t>(last)]);
    // Recurse into the smaller side and loop over the larger, so depth stays logarithmic.
    if (last - lo < hi - last) {
      SortRangeByDate(v, lo, last - 1, ascending, dateOf);
      lo = last + 1;
    } else {
      SortRangeByDate(v, last + 1, hi, ascending, dateOf);
      hi = last - 1;
    }
  }
}
