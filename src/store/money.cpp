#include "money.h"

#include <cstdlib>
#include <limits>

namespace {

// Wide enough for the product of two 64-bit values.
__extension__ typedef __int128 Wide;

constexpr Wide kMax = std::numeric_limits<int64_t>::max();
constexpr Wide kMin = std::numeric_limits<int64_t>::min();

Money Narrow(Wide w) {
  if (w > kMax || w < kMin) throw MoneyOverflow("Money value out of range");
  return Money::FromRaw(static_cast<int64_t>(w));
}

// Quotient of n / d rounded to nearest, ties to even (d > 0).
Wide DivideHalfEven(Wide n, Wide d) {
  Wide q = n / d;
  Wide r = n % d;
  if (r < 0) r = -r;
  const Wide twice = 2 * r;
  const bool away = twice > d || (twice == d && (q % 2 != 0));
  if (away) q += (n < 0) ? -1 : 1;
  return q;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

[[noreturn]] void NotANumber(std::string_view text) {
  throw ConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string GroupThousands(const std::string& digits) {
  std::string out;
  const size_t n = digits.size();
  for (size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return out;
}

}  // namespace

Money operator*(Money a, Money b) {
  const Wide product = static_cast<Wide>(a.raw) * static_cast<Wide>(b.raw);
  return Narrow(DivideHalfEven(product, Money::kScale));
}

Money DivideRounded(Money v, int64_t divisor) {
  return Narrow(DivideHalfEven(v.raw, divisor));
}

std::string MoneyToText(Money v) {
  const bool negative = v.raw < 0;
  // Unsigned magnitude so that the most negative value has no overflow.
  const uint64_t mag = negative ? 0 - static_cast<uint64_t>(v.raw) : static_cast<uint64_t>(v.raw);
  std::string text = negative ? "-" : "";
  text += std::to_string(mag / Money::kScale);
  uint64_t frac = mag % Money::kScale;
  if (frac != 0) {
    std::string decimals = std::to_string(frac + Money::kScale).substr(1);
    while (decimals.back() == '0') decimals.pop_back();
    text += '.' + decimals;
  }
  return text;
}

Money MoneyFromText(std::string_view text) {
  const std::string_view s = Trim(text);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  Wide whole = 0;
  int digits = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digits) {
    whole = whole * 10 + (s[i] - '0');
    if (whole > kMax) NotANumber(text);
  }
  Wide frac = 0;
  int fracDigits = 0;
  int roundDigit = 0;       // the fifth decimal
  bool stickyRest = false;  // any non-zero decimal after the fifth
  if (i < s.size() && s[i] == '.') {
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digits) {
      const int d = s[i] - '0';
      if (fracDigits < 4) {
        frac = frac * 10 + d;
      } else if (fracDigits == 4) {
        roundDigit = d;
      } else if (d != 0) {
        stickyRest = true;
      }
      ++fracDigits;
    }
  }
  if (digits == 0 || i != s.size()) NotANumber(text);
  for (int k = fracDigits; k < 4; ++k) frac *= 10;
  Wide value = whole * Money::kScale + frac;
  const bool up = roundDigit > 5 || (roundDigit == 5 && (stickyRest || value % 2 != 0));
  if (up) ++value;
  if (negative) value = -value;
  if (value > kMax || value < kMin) NotANumber(text);
  return Money::FromRaw(static_cast<int64_t>(value));
}

Money TruncDecimals(int decimals, Money v) {
  int64_t step = 0;
  switch (decimals) {
    case 0:
      step = 10000;
      break;
    case 1:
      step = 1000;
      break;
    case 2:
      step = 100;
      break;
    default:
      return Money{};
  }
  return Money::FromRaw(v.raw - v.raw % step);  // % truncates toward zero
}

Money RoundAmount(int method, Money v) {
  // On the magnitude: a return's line must be exactly the negated line of a sale.
  const bool negative = v.raw < 0;
  Wide r = negative ? -static_cast<Wide>(v.raw) : static_cast<Wide>(v.raw);
  switch (method) {
    case 0:
      break;
    case 1:
      if (r % Money::kScale != 0) r += Money::kScale;
      break;
    case 2:
      r += Money::kScale / 2;
      break;
    default:
      return Money{};
  }
  r -= r % Money::kScale;
  return Narrow(negative ? -r : r);
}

std::string CleanAmountText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '(' && c != ')' && c != ',') out += c;
  }
  return out;
}

Money ParseAmount(std::string_view text) {
  return MoneyFromText(CleanAmountText(text));
}

std::string FormatAmount(Money v) {
  const bool negative = v.raw < 0;
  const uint64_t mag = negative ? 0 - static_cast<uint64_t>(v.raw) : static_cast<uint64_t>(v.raw);
  const uint64_t hundredths = mag / 100 + (mag % 100 >= 50 ? 1 : 0);
  std::string text = GroupThousands(std::to_string(hundredths / 100));
  const uint64_t cents = hundredths % 100;
  if (cents != 0) {
    text += '.';
    text += static_cast<char>('0' + cents / 10);
    if (cents % 10 != 0) text += static_cast<char>('0' + cents % 10);
  }
  if (negative && hundredths != 0) text = '-' + text;
  return text;
}

std::string ReformatAmount(std::string_view text, int decimals) {
  return FormatAmount(TruncDecimals(decimals, ParseAmount(text)));
}
