#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "money.h"

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

[[noreturn]] void Invalid(std::string_view text, const char* what) {
  throw ConvertError("'" + std::string(text) + "' is not a valid " + what);
}

}  // namespace

std::string IntToText(int64_t v) {
  return std::to_string(v);
}

int32_t TextToInt(std::string_view text) {
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int32_t v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) Invalid(text, "integer value");
  return v;
}

std::string RealToText(double v) {
  if (v == 0) return "0";
  if (!std::isfinite(v)) return std::isnan(v) ? "NAN" : (v > 0 ? "INF" : "-INF");
  // 15 significant digits, correctly rounded, then laid out by the exponent.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  std::string sci(buf, res.ptr);
  const size_t e = sci.find('e');
  const int exponent = std::atoi(sci.c_str() + e + 1);
  const bool negative = sci[0] == '-';
  std::string digits;
  for (size_t i = negative ? 1 : 0; i < e; ++i) {
    if (sci[i] != '.') digits += sci[i];
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += digits[0];
    if (digits.size() > 1) out += '.' + digits.substr(1);
    out += 'E' + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  } else {
    const size_t intLen = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intLen) {
      out += digits + std::string(intLen - digits.size(), '0');
    } else {
      out += digits.substr(0, intLen) + '.' + digits.substr(intLen);
    }
  }
  return out;
}

double TextToReal(std::string_view text) {
  std::string_view s = Trim(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  double v = 0;
  const auto [end, ec] =
      std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size() || !std::isfinite(v)) {
    Invalid(text, "floating point value");
  }
  return v;
}

std::string BoolToText(bool v) {
  return v ? "-1" : "0";
}

bool TextToBool(std::string_view text) {
  return TextToInt(text) != 0;
}
