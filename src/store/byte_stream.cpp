#include "byte_stream.h"

int32_t ByteReader::ReadInt32LE() {
  const std::string_view b = ReadBytes(4);
  const uint32_t u =
      uint32_t{static_cast<uint8_t>(b[0])} | (uint32_t{static_cast<uint8_t>(b[1])} << 8) |
      (uint32_t{static_cast<uint8_t>(b[2])} << 16) | (uint32_t{static_cast<uint8_t>(b[3])} << 24);
  return static_cast<int32_t>(u);
}

std::string_view ByteReader::ReadBytes(size_t count) {
  if (count > Remaining()) throw StreamReadError();
  const std::string_view out = data_.substr(pos_, count);
  pos_ += count;
  return out;
}

void ByteWriter::WriteInt32LE(int32_t v) {
  const auto u = static_cast<uint32_t>(v);
  const char b[4] = {static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF),
                     static_cast<char>((u >> 16) & 0xFF), static_cast<char>(u >> 24)};
  WriteBytes(std::string_view(b, 4));
}
