#pragma once

#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "money.h"
#include "shown_list.h"

struct Document;

// 月別推移: net sales (shipments less their returns) or net purchases, without tax, per
// calendar month of a fiscal year of twelve months, against the twelve months before.

enum class TrendOf { Sales, Purchases };
enum class TrendBy { Partner, Item, Total };

struct TrendQuery {
  TrendOf of = TrendOf::Sales;
  TrendBy by = TrendBy::Partner;
  int year = 2024;
  int startMonth =
      1;  // the fiscal year's first month; --year 2024 --start-month 4 is 2024/04–2025/03
};

struct TrendRow {
  int32_t id = -1;                 // the partner's or product's id; -1 for the total
  std::string name;                // CP932, as stored
  std::array<Money, 12> months{};  // the first month of the year first
  Money total;
  Money previous;  // the same twelve months a year earlier
  std::array<Money, 12> previousMonths{};
  // 前年比 in percent to one decimal, rounded half away from zero; none when previous is 0.
  std::optional<Money> ratio;
  Money cost;    // sales only: as the sales analyses count it for the year
  Money profit;  // total - cost
};

struct MonthlyTrend {
  TrendQuery query;
  // Every partner of the kind (customers for sales, suppliers for purchases) or every
  // product, in list order, zero rows included; none when by Total.
  std::vector<TrendRow> rows;
  TrendRow total;
};

// One pass over the slips. Lines of a product deleted since count in the partner rows and
// the total but have no product row; slips of a deleted partner count in the product rows
// and the total. Raises MoneyOverflow when a sum leaves the range.
MonthlyTrend ComputeMonthlyTrend(const Document& doc, const TrendQuery& query);

// "4月" … for the twelve months of the year, the first month first.
QStringList TrendMonthNames(int startMonth);

// The trend as its window lists it: the name, the twelve months, 合計, 前年 and 前年比
// ("112.5%", blank without a previous year); the total as a row of its own.
struct ShownTrend {
  ShownList rows;
  QStringList total;
};
ShownTrend TrendShown(const MonthlyTrend& trend);
