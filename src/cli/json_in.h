#pragma once

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "money.h"

using Json = nlohmann::ordered_json;

// Input that cannot become a document; the text names the place ("slips[3].date: ...").
class ImportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A value of the imported JSON with the path that leads to it, read with strict types.
class JsonIn {
 public:
  JsonIn(const Json& value, std::string path) : value_(value), path_(std::move(path)) {}

  // An object with exactly these keys: a missing key or an unknown one is refused.
  void ExpectObject(std::initializer_list<const char*> keys) const;
  void ExpectObject(const std::vector<std::string>& keys) const;
  JsonIn At(const char* key) const;
  JsonIn At(size_t index) const;
  size_t ArraySize() const;

  std::string Text() const;  // UTF-8 in JSON, CP932 in the document
  int32_t Int(int32_t lo, int32_t hi) const;
  // Any value of the file's 32-bit field: whatever a file holds, its export imports.
  int32_t Int32() const;
  int32_t Id() const;
  bool Bool() const;
  Money Amount() const;
  double Date() const;  // "YYYY-MM-DD"
  std::optional<double> DateOrNull() const;
  double Time() const;  // "HH:MM"

  const std::string& Path() const { return path_; }
  [[noreturn]] void Fail(const std::string& what) const;

 private:
  const std::string& String() const;
  const Json& value_;
  std::string path_;
};
