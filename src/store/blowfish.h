#pragma once

#include <array>
#include <memory>

#include "crypt_utils.h"

// The standard Blowfish cipher (16 rounds, 64-bit blocks, big-endian words).
class TBlowFish : public TCipher {
 public:
  TBlowFish();

  std::string Name() const override { return "BlowFish"; }
  int BlockSize() const override { return 8; }
  // Any key length from 1 byte works; the key bytes cycle over the P-array.
  void KeySetup(const uint8_t* key, int length) override;
  void EncryptBlock(uint32_t block[2]) override;
  void DecryptBlock(uint32_t block[2]) override;
  void StoreBlock(const uint32_t block[2], uint8_t* bytes) const override;
  void LoadBlock(const uint8_t* bytes, uint32_t block[2]) const override;

 private:
  struct State {
    std::array<uint32_t, 18> p;
    std::array<std::array<uint32_t, 256>, 4> s;
  };
  std::unique_ptr<State> state_;
};
