#pragma once

#include <stdexcept>

// A list that no one needs and that would take all the memory, or whose period leaves the
// calendar: refused with the reason in the user's words, in the windows and tenpo-cli
// alike.
class ListRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A list by day covers at most a hundred years (36,525 rows).
void CheckDaysOfAListByDay(double first, double last);

// The billing period of `month` (any day of it) and the month before must lie within the
// years 1 to 9999.
void CheckBillingMonth(double month);
