#include "field_io.h"

#include <gtest/gtest.h>

#include "blowfish.h"
#include "crypt_utils.h"
#include "test_bytes.h"

namespace {

std::string Field(std::string_view text, std::string_view key) {
  ByteWriter w;
  WriteField(w, text, key);
  return w.Take();
}

int32_t LengthOf(const std::string& field) {
  ByteReader r(field);
  return r.ReadInt32LE();
}

TEST(Field, LengthsWithAndWithoutKey) {
  EXPECT_EQ(Field("", ""), std::string(4, '\0'));
  EXPECT_EQ(Field("TENPOLEDGER", ""), std::string("\x0B\0\0\0TENPOLEDGER", 15));
  EXPECT_EQ(LengthOf(Field("", "pw")), 8);
  EXPECT_EQ(LengthOf(Field("1234567", "pw")), 8);
  EXPECT_EQ(LengthOf(Field("12345678", "pw")), 16);
  EXPECT_EQ(LengthOf(Field("123456789", "pw")), 16);
}

TEST(Field, EmptyTextUnderAKeyIsOneBlockOfEights) {
  const std::string cipher = EncryptText("", "pw");
  ASSERT_EQ(cipher.size(), 8u);
  const uint8_t vector[8] = {0xA7, 0x3E, 0x5C, 0x19, 0xD2, 0x84, 0x6B, 0xF0};
  TCryptCBC raw("pw", true, 4, 8, vector, new TBlowFish());
  std::string plain = cipher;
  raw.Decrypt(reinterpret_cast<const uint8_t*>(plain.data()),
              reinterpret_cast<uint8_t*>(plain.data()), 8);
  EXPECT_EQ(ToHex(plain), "0808080808080808");
}

TEST(Field, SameTextAndKeyGiveIdenticalBytes) {
  EXPECT_EQ(Field("株式会社", "pw"), Field("株式会社", "pw"));
  EXPECT_NE(Field("株式会社", "pw"), Field("株式会社", "px"));
  ByteWriter w;
  const FieldKey key("pw");
  WriteField(w, "abc", key);
  WriteField(w, "abc", key);
  EXPECT_EQ(w.Data().substr(0, 12), w.Data().substr(12, 12));
}

TEST(Field, OneByteKeyEqualsTheByteRepeated) {
  EXPECT_EQ(EncryptText("some field text", "x"), EncryptText("some field text", "xxxx"));
  EXPECT_EQ(EncryptText("some field text", "x"), EncryptText("some field text", "xxxxxxxx"));
}

TEST(Field, EveryLengthRoundTripsWithAndWithoutKey) {
  // Double-byte text and endings that look like padding counts are the risky cases.
  const std::string sjis = "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0\x83\x5C\x83\x74\x83\x67";
  std::vector<std::string> texts;
  for (int n = 0; n <= 40; ++n) {
    std::string t;
    for (int i = 0; i < n; ++i) t += static_cast<char>('A' + i % 26);
    texts.push_back(t);
    texts.push_back((sjis + t).substr(0, static_cast<size_t>(n)));
  }
  for (int b = 1; b <= 8; ++b) {
    texts.push_back("abc" + std::string(1, static_cast<char>(b)));
    texts.push_back(std::string(static_cast<size_t>(b), static_cast<char>(b)));
  }
  const FieldKey reused("パス");
  for (const std::string& text : texts) {
    SCOPED_TRACE(ToHex(text));
    for (const std::string key : {"", "k", "password-of-some-length"}) {
      ByteWriter w;
      WriteField(w, text, key);
      ByteReader r(w.Data());
      EXPECT_EQ(ReadField(r, key), text);
      EXPECT_TRUE(r.AtEnd());
    }
    EXPECT_EQ(DecryptText(EncryptText(text, "k"), "k"), text);
    ByteWriter w;
    WriteField(w, text, reused);
    ByteReader r(w.Data());
    EXPECT_EQ(ReadField(r, reused), text);
  }
}

TEST(Field, ReusedKeyScheduleWritesTheSameBytesAsKeyingPerField) {
  const FieldKey key("secret");
  ByteWriter perField;
  ByteWriter reused;
  for (int n = 0; n < 300; n += 7) {
    const std::string text(static_cast<size_t>(n), static_cast<char>('a' + n % 26));
    WriteField(perField, text, "secret");
    WriteField(reused, text, key);
  }
  EXPECT_EQ(perField.Data(), reused.Data());
}

TEST(Field, WrongKeyGivesOtherTextWithoutError) {
  const std::string cipher = EncryptText("password", "password");
  std::string other;
  EXPECT_NO_THROW(other = DecryptText(cipher, "passwore"));
  EXPECT_NE(other, "password");
}

TEST(Field, DamagedFieldsAreReadErrorsNotAllocations) {
  // A length far beyond the data must fail at once.
  std::string huge(
      "\xFF\xFF\xFF\x7F"
      "abc",
      7);
  ByteReader r1(huge);
  EXPECT_THROW(ReadField(r1, ""), StreamReadError);
  ByteReader r2(huge);
  EXPECT_THROW(ReadField(r2, FieldKey("k")), StreamReadError);

  std::string shortLength("\x05\0", 2);
  ByteReader r3(shortLength);
  EXPECT_THROW(ReadField(r3, ""), StreamReadError);

  std::string partialBlock(
      "\x05\0\0\0"
      "abcde",
      9);
  ByteReader r4(partialBlock);
  EXPECT_THROW(ReadField(r4, "k"), AssertionError);
  ByteReader r5(partialBlock);
  EXPECT_THROW(ReadField(r5, FieldKey("k")), AssertionError);

  // An enciphered field is never empty; a zero length there is damage.
  std::string zero(4, '\0');
  ByteReader r6(zero);
  EXPECT_THROW(ReadField(r6, FieldKey("k")), StreamReadError);
  ByteReader r7(zero);
  EXPECT_EQ(ReadField(r7, ""), "");
}

TEST(Field, NegativePlainLengthReadsAsEmpty) {
  std::string negative("\xFF\xFF\xFF\xFFrest", 8);
  ByteReader r(negative);
  EXPECT_EQ(ReadField(r, ""), "");
  EXPECT_EQ(r.Remaining(), 4u);
}

}  // namespace
