#pragma once

#include <compare>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Text that should have been a number; the entry windows turn it into their own message.
class ConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A result that does not fit the 64-bit money range.
class MoneyOverflow : public std::overflow_error {
 public:
  using std::overflow_error::overflow_error;
};

// Amounts, prices, quantities, balances and percentages: the value x 10000 in 64 bits,
// so every sum is exact to 1/10000 and nothing goes through binary floating point.
struct Money {
  static constexpr int64_t kScale = 10000;
  int64_t raw = 0;

  static constexpr Money FromRaw(int64_t r) { return Money{r}; }
  static constexpr Money FromInt(int64_t whole) { return Money{whole * kScale}; }

  constexpr bool IsWhole() const { return raw % kScale == 0; }
  constexpr int64_t WholePart() const { return raw / kScale; }

  friend constexpr auto operator<=>(Money, Money) = default;
  // Sums are checked: a result outside the 64-bit range throws MoneyOverflow rather than
  // wrapping around into a wrong sign.
  friend constexpr Money operator+(Money a, Money b) {
    int64_t r = 0;
    if (__builtin_add_overflow(a.raw, b.raw, &r)) throw MoneyOverflow("Money sum out of range");
    return Money{r};
  }
  friend constexpr Money operator-(Money a, Money b) {
    int64_t r = 0;
    if (__builtin_sub_overflow(a.raw, b.raw, &r)) throw MoneyOverflow("Money sum out of range");
    return Money{r};
  }
  friend constexpr Money operator-(Money a) { return Money{} - a; }
  constexpr Money& operator+=(Money b) { return *this = *this + b; }
  constexpr Money& operator-=(Money b) { return *this = *this - b; }
};

// v / divisor (divisor > 0) to the nearest 1/10000, ties to even: percentages as factors.
Money DivideRounded(Money v, int64_t divisor);

// The product of two values (price x quantity, amount x tax factor), exact to 1/10000,
// rounded to nearest with ties to even. Throws MoneyOverflow outside the 64-bit range.
Money operator*(Money a, Money b);

// The plain text form: no grouping, at most four decimals, no trailing zeros ("-0.25").
std::string MoneyToText(Money v);
// Reads the plain text form (blanks around, optional sign, digits, optional decimals);
// more than four decimals round to nearest, ties to even. Throws ConvertError.
Money MoneyFromText(std::string_view text);

// Cuts a value to 0, 1 or 2 decimals toward zero; any other setting gives 0.
Money TruncDecimals(int decimals, Money v);
// 0 truncate, 1 round up, 2 round half up, each on the magnitude with the sign kept, so
// -x rounds to the negated result for x; always a whole number; other methods give 0.
Money RoundAmount(int method, Money v);
// Reads typed amounts: "(", ")" and "," are removed first, then the plain form is read.
Money ParseAmount(std::string_view text);
std::string CleanAmountText(std::string_view text);
// "#,##0.##": grouped, at most two decimals (the rest rounded half away from zero).
std::string FormatAmount(Money v);
std::string ReformatAmount(std::string_view text, int decimals);
