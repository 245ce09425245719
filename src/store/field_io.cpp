#include "field_io.h"

#include "blowfish.h"

namespace {

const uint8_t kFieldVector[8] = {0xA7, 0x3E, 0x5C, 0x19, 0xD2, 0x84, 0x6B, 0xF0};

std::unique_ptr<TCryptCBC> MakeFieldCrypt(std::string_view key) {
  return std::make_unique<TCryptCBC>(key, true, 0, 8, kFieldVector, new TBlowFish());
}

uint8_t* Bytes(std::string& s) {
  return reinterpret_cast<uint8_t*>(s.data());
}
const uint8_t* Bytes(std::string_view s) {
  return reinterpret_cast<const uint8_t*>(s.data());
}

std::string EncryptWith(TCryptCBC& crypt, std::string_view plain) {
  std::string out(static_cast<size_t>(crypt.OutputLength(static_cast<int>(plain.size()))), '\0');
  crypt.Encrypt(Bytes(plain), Bytes(out), static_cast<int>(plain.size()));
  return out;
}

std::string DecryptWith(TCryptCBC& crypt, std::string_view data) {
  std::string out(data);
  const int n = crypt.Decrypt(Bytes(out), Bytes(out), static_cast<int>(out.size()));
  out.resize(n > 0 ? static_cast<size_t>(n) : 0);
  return out;
}

}  // namespace

FieldKey::FieldKey() = default;
FieldKey::FieldKey(std::string_view key) : key_(key) {
  if (!key_.empty()) crypt_ = MakeFieldCrypt(key_);
}
FieldKey::FieldKey(FieldKey&&) noexcept = default;
FieldKey& FieldKey::operator=(FieldKey&&) noexcept = default;
FieldKey::~FieldKey() = default;

std::string FieldKey::Encrypt(std::string_view plain) const {
  return EncryptWith(*crypt_, plain);
}

void FieldKey::EncryptTo(std::string_view plain, ByteWriter& out) const {
  const auto n = static_cast<int>(plain.size());
  const int length = crypt_->OutputLength(n);
  out.WriteInt32LE(length);
  char* target = out.Extend(static_cast<size_t>(length));
  if (target != nullptr) crypt_->Encrypt(Bytes(plain), reinterpret_cast<uint8_t*>(target), n);
}

std::string FieldKey::Decrypt(std::string_view data) const {
  return DecryptWith(*crypt_, data);
}

std::string EncryptText(std::string_view text, std::string_view key) {
  return EncryptWith(*MakeFieldCrypt(key), text);
}

std::string DecryptText(std::string_view text, std::string_view key) {
  return DecryptWith(*MakeFieldCrypt(key), text);
}

void WriteField(ByteWriter& stream, std::string_view text, const FieldKey& key) {
  if (!key.Empty()) {
    key.EncryptTo(text, stream);
    return;
  }
  stream.WriteInt32LE(static_cast<int32_t>(text.size()));
  stream.WriteBytes(text);
}

void WriteField(ByteWriter& stream, std::string_view text, std::string_view key) {
  if (key.empty()) {
    WriteField(stream, text, FieldKey());
    return;
  }
  const std::string cipher = EncryptText(text, key);
  stream.WriteInt32LE(static_cast<int32_t>(cipher.size()));
  stream.WriteBytes(cipher);
}

namespace {

std::string_view ReadFieldBytes(ByteReader& stream, bool keyed) {
  const int32_t length = stream.ReadInt32LE();
  // A field under a key is never empty: an empty text enciphers to one whole block.
  if (keyed && length <= 0) throw StreamReadError();
  if (length <= 0) return {};
  return stream.ReadBytes(static_cast<size_t>(length));
}

}  // namespace

std::string ReadField(ByteReader& stream, const FieldKey& key) {
  const std::string_view bytes = ReadFieldBytes(stream, !key.Empty());
  return key.Empty() ? std::string(bytes) : key.Decrypt(bytes);
}

std::string ReadField(ByteReader& stream, std::string_view key) {
  const std::string_view bytes = ReadFieldBytes(stream, !key.empty());
  return key.empty() ? std::string(bytes) : DecryptText(bytes, key);
}
