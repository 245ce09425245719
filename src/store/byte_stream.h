#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// The data runs out before a value is complete.
class StreamReadError : public std::runtime_error {
 public:
  StreamReadError() : std::runtime_error("Stream read error") {}
};

// Reads values from bytes held in memory; nothing is read or allocated past the end.
class ByteReader {
 public:
  explicit ByteReader(std::string_view data) : data_(data) {}

  int32_t ReadInt32LE();
  std::string_view ReadBytes(size_t count);

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ == data_.size(); }

 private:
  std::string_view data_;
  size_t pos_ = 0;
};

// Collects bytes in memory; the data file is written whole from it.
class ByteWriter {
 public:
  void WriteInt32LE(int32_t v);
  void WriteBytes(std::string_view bytes) { data_.append(bytes); }
  void Reserve(size_t n) { data_.reserve(n); }
  // Appends n bytes for the caller to fill, saving a copy through a temporary.
  char* Extend(size_t n) {
    data_.resize(data_.size() + n);
    return data_.data() + data_.size() - n;
  }

  const std::string& Data() const { return data_; }
  std::string Take() { return std::move(data_); }

 private:
  std::string data_;
};
