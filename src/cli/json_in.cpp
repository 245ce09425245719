#include "json_in.h"

#include <QString>
#include <limits>

#include "dates.h"
#include "iso_text.h"
#include "sjis_codec.h"

namespace {

int Digits(const std::string& s, size_t at, size_t count) {
  int v = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    v = v * 10 + (s[i] - '0');
  }
  return v;
}

}  // namespace

void JsonIn::Fail(const std::string& what) const {
  throw ImportError((path_.empty() ? std::string("top level") : path_) + ": " + what);
}

void JsonIn::ExpectObject(std::initializer_list<const char*> keys) const {
  ExpectObject(std::vector<std::string>(keys.begin(), keys.end()));
}

void JsonIn::ExpectObject(const std::vector<std::string>& keys) const {
  if (!value_.is_object()) Fail("expected an object");
  for (const std::string& key : keys) {
    if (!value_.contains(key)) Fail("missing key \"" + key + "\"");
  }
  for (const auto& [key, unused] : value_.items()) {
    bool known = false;
    for (const std::string& k : keys) known = known || key == k;
    if (!known) Fail("unknown key \"" + key + "\"");
  }
}

JsonIn JsonIn::At(const char* key) const {
  if (!value_.is_object() || !value_.contains(key))
    Fail(std::string("missing key \"") + key + "\"");
  return JsonIn(value_.at(key), path_.empty() ? key : path_ + "." + key);
}

JsonIn JsonIn::At(size_t index) const {
  return JsonIn(value_.at(index), path_ + "[" + std::to_string(index) + "]");
}

size_t JsonIn::ArraySize() const {
  if (!value_.is_array()) Fail("expected an array");
  return value_.size();
}

const std::string& JsonIn::String() const {
  if (!value_.is_string()) Fail("expected a string");
  return value_.get_ref<const std::string&>();
}

std::string JsonIn::Text() const {
  const std::string& utf8 = String();
  const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  const std::optional<std::string> sjis = ToSjis(text);
  if (!sjis) Fail("text that CP932 cannot hold: \"" + utf8 + "\"");
  return *sjis;
}

int32_t JsonIn::Int(int32_t lo, int32_t hi) const {
  if (!value_.is_number_integer()) Fail("expected an integer");
  const bool isUnsigned = value_.is_number_unsigned();
  const auto v = isUnsigned ? static_cast<int64_t>(std::min<uint64_t>(
                                  value_.get<uint64_t>(), std::numeric_limits<int64_t>::max()))
                            : value_.get<int64_t>();
  if (v < lo || v > hi) {
    Fail("expected an integer from " + std::to_string(lo) + " to " + std::to_string(hi) + ", not " +
         std::to_string(v));
  }
  return static_cast<int32_t>(v);
}

int32_t JsonIn::Id() const {
  return Int(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

bool JsonIn::Bool() const {
  if (!value_.is_boolean()) Fail("expected true or false");
  return value_.get<bool>();
}

int32_t JsonIn::Int32() const {
  return Int(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
}

Money JsonIn::Amount() const {
  const std::string& s = String();
  // Money holds four decimals; more would be rounded without a word.
  const size_t point = s.find('.');
  if (point != std::string::npos && s.size() - point - 1 > 4) {
    Fail("expected an amount with at most four decimals, not \"" + s + "\"");
  }
  try {
    return MoneyFromText(s);
  } catch (const ConvertError&) {
    Fail("expected an amount such as \"-12.5\", not \"" + s + "\"");
  }
}

double JsonIn::Date() const {
  const std::string& s = String();
  const std::optional<double> day = DayFromIso(s);
  if (!day) Fail("expected a date \"YYYY-MM-DD\", not \"" + s + "\"");
  return *day;
}

std::optional<double> JsonIn::DateOrNull() const {
  if (value_.is_null()) return std::nullopt;
  return Date();
}

double JsonIn::Time() const {
  const std::string& s = String();
  const bool shape = s.size() == 5 && s[2] == ':';
  const int h = shape ? Digits(s, 0, 2) : -1;
  const int m = shape ? Digits(s, 3, 2) : -1;
  if (h < 0 || h > 23 || m < 0 || m > 59) Fail("expected a time \"HH:MM\", not \"" + s + "\"");
  return EncodeTime(h, m);
}
