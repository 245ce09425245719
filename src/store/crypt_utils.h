#pragma once

// CryptUtils: the block-cipher framework under the data file's field cipher.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Raised by padding mode 1 when the last block carries no 0x80 marker.
class CryptError : public std::runtime_error {
 public:
  CryptError() : std::runtime_error("Crypt Error") {}
};

// Raised for a length that the padding mode cannot take (not whole blocks).
class AssertionError : public std::runtime_error {
 public:
  AssertionError() : std::runtime_error("Assertion failure") {}
};

// An abstract 64-bit block cipher. The virtual operations stand in this order on purpose:
// name, block size, key setup, encrypt, decrypt, store, load.
class TCipher {
 public:
  TCipher() = default;
  TCipher(const TCipher&) = delete;
  TCipher& operator=(const TCipher&) = delete;
  virtual ~TCipher() = default;

  virtual std::string Name() const = 0;
  virtual int BlockSize() const = 0;
  virtual void KeySetup(const uint8_t* key, int length);
  virtual void EncryptBlock(uint32_t block[2]) = 0;
  virtual void DecryptBlock(uint32_t block[2]) = 0;
  // Words back to block bytes; the base copies the bytes unchanged.
  virtual void StoreBlock(const uint32_t block[2], uint8_t* bytes) const;
  // Block bytes into words; the base copies the bytes unchanged.
  virtual void LoadBlock(const uint8_t* bytes, uint32_t block[2]) const;
};

// A chaining mode over a block cipher, with padding of the last block.
class TCrypt {
 public:
  // Padding modes: 0 count bytes, 1 0x80 then zeros, 2 zeros, 3 blanks, 4 none.
  TCrypt(std::string_view key, bool owner, uint8_t padMode, int ivLength, const uint8_t* iv,
         TCipher* cipher);
  TCrypt(const uint8_t* key, int keyLength, bool owner, uint8_t padMode, int ivLength,
         const uint8_t* iv, TCipher* cipher);
  TCrypt(const TCrypt&) = delete;
  TCrypt& operator=(const TCrypt&) = delete;
  virtual ~TCrypt();

  virtual void EncryptOneBlock(const uint8_t* src, uint8_t* dst) = 0;
  virtual void DecryptOneBlock(const uint8_t* src, uint8_t* dst) = 0;
  virtual void BeginEncrypt();
  virtual void BeginDecrypt();
  // Enciphering: completes the block holding `count` bytes and returns the bytes added.
  // Deciphering: returns how many bytes at the end of the plain block are padding.
  virtual int PadBlock(uint8_t* block, int count, bool encipher);

  int OutputLength(int n) const;
  // Both return the number of bytes written; dst may equal src.
  int Encrypt(const uint8_t* src, uint8_t* dst, int n);
  int Decrypt(const uint8_t* src, uint8_t* dst, int n);

  TCipher& Cipher() { return *cipher_; }
  int BufferSize() const { return bufferSize_; }

 protected:
  int BlockLength() const { return blockSize_; }
  uint8_t* Chain() { return chain_.data(); }
  uint8_t* Scratch() { return scratch_.data(); }

 private:
  TCipher* cipher_;
  bool owner_;
  uint8_t padMode_;
  int blockSize_;
  std::vector<uint8_t> iv_;
  std::vector<uint8_t> chain_;
  std::vector<uint8_t> scratch_;
  int bufferSize_ = 8192;  // for stream work, which this program does not do
};

// Cipher-block chaining.
class TCryptCBC : public TCrypt {
 public:
  using TCrypt::TCrypt;
  void EncryptOneBlock(const uint8_t* src, uint8_t* dst) override;
  void DecryptOneBlock(const uint8_t* src, uint8_t* dst) override;
};
