#include "checked_money.h"

#include <cstdint>

Money CheckedAdd(Money a, Money b) {
  int64_t sum = 0;
  if (__builtin_add_overflow(a.raw, b.raw, &sum)) throw MoneyOverflow("amount out of range");
  return Money::FromRaw(sum);
}

Money CheckedSub(Money a, Money b) {
  int64_t difference = 0;
  if (__builtin_sub_overflow(a.raw, b.raw, &difference)) {
    throw MoneyOverflow("amount out of range");
  }
  return Money::FromRaw(difference);
}

Money ShownValue(Money v) {
  const bool negative = v.raw < 0;
  const uint64_t mag = negative ? 0 - static_cast<uint64_t>(v.raw) : static_cast<uint64_t>(v.raw);
  const uint64_t hundredths = mag / 100 + (mag % 100 >= 50 ? 1 : 0);
  if (hundredths > static_cast<uint64_t>(INT64_MAX) / 100)
    throw MoneyOverflow("amount out of range");
  const auto shown = static_cast<int64_t>(hundredths * 100);
  return Money::FromRaw(negative ? -shown : shown);
}
