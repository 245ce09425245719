#pragma once

#include <optional>
#include <string_view>

// The one reading of tenpo-cli's dates and months, in its options and in the JSON alike.

// "YYYY-MM-DD" as a day count; nothing for any other shape or a day that does not exist.
std::optional<double> DayFromIso(std::string_view text);
// "YYYY-MM" as the first day of that month; nothing otherwise.
std::optional<double> MonthFromIso(std::string_view text);
