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

// Collects bytes in memory; the data file is written whole from it. A counting writer
// keeps nothing and only adds up the size, so that the real buffer can be sized once:
// growing a large buffer by doubling would hold two copies at a time.
class ByteWriter {
 public:
  static ByteWriter Counter() {
    ByteWriter w;
    w.counting_ = true;
    return w;
  }

  void WriteInt32LE(int32_t v);
  void WriteBytes(std::string_view bytes) {
    if (counting_) {
      counted_ += bytes.size();
    } else {
      data_.append(bytes);
    }
  }
  void Reserve(size_t n) { data_.reserve(n); }
  // Appends n bytes for the caller to fill, saving a copy through a temporary; a counting
  // writer counts them and returns null.
  char* Extend(size_t n) {
    if (counting_) {
      counted_ += n;
      return nullptr;
    }
    data_.resize(data_.size() + n);
    return data_.data() + data_.size() - n;
  }

  bool Counting() const { return counting_; }
  size_t Size() const { return counting_ ? counted_ : data_.size(); }
  const std::string& Data() const { return data_; }
  std::string Take() { return std::move(data_); }

 private:
  std::string data_;
  bool counting_ = false;
  size_t counted_ = 0;
};
