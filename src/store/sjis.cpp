#include "sjis.h"

std::string CutBytes(std::string_view text, int n) {
  if (n <= 0) return {};
  const size_t limit = static_cast<size_t>(n);
  if (text.size() <= limit) return std::string(text);
  // Walk whole characters: a trail byte may look like a lead byte on its own.
  size_t i = 0;
  while (i < limit) {
    const size_t width = IsSjisLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    if (i == limit - 1 && width == 2) return std::string(text.substr(0, limit - 1));
    i += width;
  }
  return std::string(text.substr(0, limit));
}
