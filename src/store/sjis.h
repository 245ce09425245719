#pragma once

#include <string>
#include <string_view>

// Shift-JIS (CP932) byte strings, as the data file and the printed pages hold them.

constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The first n bytes of the text, one less when byte n (1-based) starts a double-byte
// character, so that a fixed column never ends in half a character.
std::string CutBytes(std::string_view text, int n);
