#include "crypt_utils.h"

#include <algorithm>
#include <cstring>

void TCipher::KeySetup(const uint8_t*, int) {}

void TCipher::StoreBlock(const uint32_t block[2], uint8_t* bytes) const {
  std::memcpy(bytes, block, 8);
}

void TCipher::LoadBlock(const uint8_t* bytes, uint32_t block[2]) const {
  std::memcpy(block, bytes, 8);
}

TCrypt::TCrypt(std::string_view key, bool owner, uint8_t padMode, int ivLength, const uint8_t* iv,
               TCipher* cipher)
    : TCrypt(reinterpret_cast<const uint8_t*>(key.data()), static_cast<int>(key.size()), owner,
             padMode, ivLength, iv, cipher) {}

TCrypt::TCrypt(const uint8_t* key, int keyLength, bool owner, uint8_t padMode, int ivLength,
               const uint8_t* iv, TCipher* cipher)
    : cipher_(cipher), owner_(owner), padMode_(padMode), blockSize_(cipher->BlockSize()) {
  iv_.assign(static_cast<size_t>(blockSize_), 0);
  chain_.assign(iv_.size(), 0);
  scratch_.assign(iv_.size(), 0);
  cipher_->KeySetup(key, keyLength);
  const int copied = std::clamp(ivLength, 0, blockSize_);
  if (iv != nullptr) std::memcpy(iv_.data(), iv, static_cast<size_t>(copied));
}

TCrypt::~TCrypt() {
  if (owner_) delete cipher_;
}

void TCrypt::BeginEncrypt() {
  chain_ = iv_;
}

void TCrypt::BeginDecrypt() {
  chain_ = iv_;
}

int TCrypt::PadBlock(uint8_t* block, int count, bool encipher) {
  const int b = blockSize_;
  if (encipher) {
    const int pad = b - count;
    switch (padMode_) {
      case 0:
        std::memset(block + count, pad, static_cast<size_t>(pad));
        break;
      case 1:
        block[count] = 0x80;
        std::memset(block + count + 1, 0, static_cast<size_t>(pad - 1));
        break;
      case 2:
        std::memset(block + count, 0, static_cast<size_t>(pad));
        break;
      case 3:
        std::memset(block + count, ' ', static_cast<size_t>(pad));
        break;
      default:
        return 0;
    }
    return pad;
  }
  int i = b - 1;
  switch (padMode_) {
    case 0:
      return block[b - 1];
    case 1:
      while (i >= 0 && block[i] == 0) --i;
      if (i < 0 || block[i] != 0x80) throw CryptError();
      return b - i;
    case 2:
      while (i >= 0 && block[i] == 0) --i;
      return b - 1 - i;
    case 3:
      while (i >= 0 && block[i] == ' ') --i;
      return b - 1 - i;
    default:
      return 0;
  }
}

int TCrypt::OutputLength(int n) const {
  if (padMode_ == 4) return n;
  return ((n + blockSize_) / blockSize_) * blockSize_;
}

int TCrypt::Encrypt(const uint8_t* src, uint8_t* dst, int n) {
  const int b = blockSize_;
  if (padMode_ == 4 && n % b != 0) throw AssertionError();
  BeginEncrypt();
  const int whole = n / b;
  for (int i = 0; i < whole; ++i) EncryptOneBlock(src + i * b, dst + i * b);
  if (padMode_ != 4) {
    const int rest = n - whole * b;
    std::memcpy(scratch_.data(), src + whole * b, static_cast<size_t>(rest));
    PadBlock(scratch_.data(), rest, true);
    EncryptOneBlock(scratch_.data(), dst + whole * b);
  }
  return OutputLength(n);
}

int TCrypt::Decrypt(const uint8_t* src, uint8_t* dst, int n) {
  const int b = blockSize_;
  if (n % b != 0) throw AssertionError();
  BeginDecrypt();
  for (int i = 0; i < n / b; ++i) DecryptOneBlock(src + i * b, dst + i * b);
  if (n == 0) return 0;
  return n - PadBlock(dst + n - b, b, false);
}

namespace {

void XorInto(uint8_t* target, const uint8_t* other, int n) {
  if (n == 8) {  // the common case, one word at a time
    uint64_t a;
    uint64_t b;
    std::memcpy(&a, target, 8);
    std::memcpy(&b, other, 8);
    a ^= b;
    std::memcpy(target, &a, 8);
    return;
  }
  for (int i = 0; i < n; ++i) target[i] ^= other[i];
}

}  // namespace

void TCryptCBC::EncryptOneBlock(const uint8_t* src, uint8_t* dst) {
  uint8_t* chain = Chain();
  XorInto(chain, src, BlockLength());
  uint32_t words[2];
  Cipher().LoadBlock(chain, words);
  Cipher().EncryptBlock(words);
  Cipher().StoreBlock(words, chain);
  std::memcpy(dst, chain, static_cast<size_t>(BlockLength()));
}

void TCryptCBC::DecryptOneBlock(const uint8_t* src, uint8_t* dst) {
  uint8_t* kept = Scratch();
  std::memcpy(kept, src, static_cast<size_t>(BlockLength()));
  uint32_t words[2];
  Cipher().LoadBlock(kept, words);
  Cipher().DecryptBlock(words);
  Cipher().StoreBlock(words, dst);
  XorInto(dst, Chain(), BlockLength());
  std::memcpy(Chain(), kept, static_cast<size_t>(BlockLength()));
}
