#include "list_limits.h"

#include "dates.h"

void CheckDaysOfAListByDay(double first, double last) {
  constexpr double kHundredYears = 36525;
  if (last - first + 1 > kHundredYears) {
    throw ListRefused("日別の一覧は100年以内の期間で指定してください。");
  }
}

void CheckBillingMonth(double month) {
  // January of the year 1 would begin its period in December of the year 0.
  if (month < EncodeDate(1, 2, 1) || month >= EncodeDate(10000, 1, 1) - 0.5) {
    throw ListRefused("請求の期間が西暦1年から9999年の範囲に収まりません。");
  }
}
