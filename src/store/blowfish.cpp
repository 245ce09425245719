#include "blowfish.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "blowfish_tables.h"

// Blocks are big-endian words; the byte swaps below assume a little-endian host.
static_assert(std::endian::native == std::endian::little);

TBlowFish::TBlowFish() : state_(std::make_unique<State>()) {
  std::copy(std::begin(kBlowfishInitP), std::end(kBlowfishInitP), state_->p.begin());
  for (int i = 0; i < 4; ++i) {
    std::copy(std::begin(kBlowfishInitS[i]), std::end(kBlowfishInitS[i]), state_->s[i].begin());
  }
}

namespace {

using SBoxes = std::array<std::array<uint32_t, 256>, 4>;

inline uint32_t F(const SBoxes& s, uint32_t x) {
  return ((s[0][x >> 24] + s[1][(x >> 16) & 0xFF]) ^ s[2][(x >> 8) & 0xFF]) + s[3][x & 0xFF];
}

}  // namespace

void TBlowFish::KeySetup(const uint8_t* key, int length) {
  State& st = *state_;
  std::copy(std::begin(kBlowfishInitP), std::end(kBlowfishInitP), st.p.begin());
  for (int i = 0; i < 4; ++i) {
    std::copy(std::begin(kBlowfishInitS[i]), std::end(kBlowfishInitS[i]), st.s[i].begin());
  }
  if (length > 0) {
    int k = 0;
    for (uint32_t& word : st.p) {
      uint32_t data = 0;
      for (int b = 0; b < 4; ++b) {
        data = (data << 8) | key[k];
        k = (k + 1) % length;
      }
      word ^= data;
    }
  }
  uint32_t block[2] = {0, 0};
  for (size_t i = 0; i < st.p.size(); i += 2) {
    EncryptBlock(block);
    st.p[i] = block[0];
    st.p[i + 1] = block[1];
  }
  for (auto& box : st.s) {
    for (size_t i = 0; i < box.size(); i += 2) {
      EncryptBlock(block);
      box[i] = block[0];
      box[i + 1] = block[1];
    }
  }
}

void TBlowFish::EncryptBlock(uint32_t block[2]) {
  const auto& p = state_->p;
  const SBoxes& s = state_->s;
  uint32_t l = block[0];
  uint32_t r = block[1];
  for (int i = 0; i < 16; i += 2) {
    l ^= p[i];
    r ^= F(s, l);
    r ^= p[i + 1];
    l ^= F(s, r);
  }
  block[0] = r ^ p[17];
  block[1] = l ^ p[16];
}

void TBlowFish::DecryptBlock(uint32_t block[2]) {
  const auto& p = state_->p;
  const SBoxes& s = state_->s;
  uint32_t l = block[0];
  uint32_t r = block[1];
  for (int i = 17; i > 1; i -= 2) {
    l ^= p[i];
    r ^= F(s, l);
    r ^= p[i - 1];
    l ^= F(s, r);
  }
  block[0] = r ^ p[0];
  block[1] = l ^ p[1];
}

void TBlowFish::StoreBlock(const uint32_t block[2], uint8_t* bytes) const {
  const uint32_t be[2] = {__builtin_bswap32(block[0]), __builtin_bswap32(block[1])};
  std::memcpy(bytes, be, 8);
}

void TBlowFish::LoadBlock(const uint8_t* bytes, uint32_t block[2]) const {
  uint32_t be[2];
  std::memcpy(be, bytes, 8);
  block[0] = __builtin_bswap32(be[0]);
  block[1] = __builtin_bswap32(be[1]);
}
