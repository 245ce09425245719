#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "byte_stream.h"
#include "field_io.h"
#include "money.h"

// Typed values as data-file fields: numbers as decimal text, Money in its plain text form,
// dates and times in the general real-number form, booleans as "-1" / "0".
class FieldOut {
 public:
  FieldOut(ByteWriter& stream, const FieldKey& key) : stream_(stream), key_(key) {}
  // The key is held by reference: it must outlive the writer.
  FieldOut(ByteWriter& stream, FieldKey&& key) = delete;

  void Text(std::string_view v) { WriteField(stream_, v, key_); }
  void Int(int64_t v);
  void Amount(Money v);
  void Real(double v);
  void Bool(bool v);

 private:
  ByteWriter& stream_;
  const FieldKey& key_;
};

// Reading throws StreamReadError, AssertionError or ConvertError; the lists catch them.
class FieldIn {
 public:
  FieldIn(ByteReader& stream, const FieldKey& key) : stream_(stream), key_(key) {}
  FieldIn(ByteReader& stream, FieldKey&& key) = delete;

  std::string Text() { return ReadField(stream_, key_); }
  int32_t Int();
  Money Amount();
  double Real();
  // A date or time of day; a count outside the years 1 to 9999 is damage.
  double Date();
  bool Bool();
  // A record count. A count that the remaining bytes cannot hold (each record takes at
  // least `fieldsPerRecord` fields) is damage, refused before anything is allocated.
  int32_t Count(int fieldsPerRecord);

 private:
  ByteReader& stream_;
  const FieldKey& key_;
};
