#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "byte_stream.h"

class TCryptCBC;

// A field key: the password that enciphers every field after the file header, keyed once
// and reused for every field (each field still starts again from the fixed vector).
// Empty means plain fields. Not shareable between threads.
class FieldKey {
 public:
  FieldKey();
  explicit FieldKey(std::string_view key);
  FieldKey(FieldKey&&) noexcept;
  FieldKey& operator=(FieldKey&&) noexcept;
  ~FieldKey();

  bool Empty() const { return key_.empty(); }
  const std::string& Text() const { return key_; }

  std::string Encrypt(std::string_view plain) const;
  // Appends the enciphered bytes, saving a copy per field.
  void EncryptTo(std::string_view plain, ByteWriter& out) const;
  std::string Decrypt(std::string_view data) const;

 private:
  std::string key_;
  std::unique_ptr<TCryptCBC> crypt_;
};

// Both key Blowfish afresh on every call; key must not be empty.
std::string EncryptText(std::string_view text, std::string_view key);
std::string DecryptText(std::string_view text, std::string_view key);

// A field is a 32-bit little-endian length and that many bytes, enciphered under a key.
void WriteField(ByteWriter& stream, std::string_view text, const FieldKey& key);
void WriteField(ByteWriter& stream, std::string_view text, std::string_view key);
// Throws StreamReadError when the field runs past the end, AssertionError for enciphered
// bytes that are not whole blocks.
std::string ReadField(ByteReader& stream, const FieldKey& key);
std::string ReadField(ByteReader& stream, std::string_view key);
