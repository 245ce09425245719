#include "iso_text.h"

#include "dates.h"

namespace {

// The digits of text[at, at + count), or -1 when any of them is no digit.
int Digits(std::string_view text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

std::optional<double> Day(int year, int month, int day) {
  if (!IsValidYmd(year, month, day)) return std::nullopt;
  return EncodeDate(year, month, day);
}

}  // namespace

std::optional<double> DayFromIso(std::string_view text) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
  return Day(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2));
}

std::optional<double> MonthFromIso(std::string_view text) {
  if (text.size() != 7 || text[4] != '-') return std::nullopt;
  return Day(Digits(text, 0, 4), Digits(text, 5, 2), 1);
}
