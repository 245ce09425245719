#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The one place where the store's CP932 (Windows-31J) bytes meet QString.
//
// Contract: nothing is ever stored as "?". ToSjis returns std::nullopt when any character
// cannot be held by CP932 even after NormalizeForSjis; it never substitutes. The text
// edits refuse such characters as they are typed (see sjis_guard.h), so in the windows a
// nullopt means a programming error; the command-line import reports it as bad input.

// Bytes that are not CP932 come out as replacement characters (U+001A or U+FFFD); a lead
// byte cut off at the very end comes out as U+FFFD instead of disappearing.
QString FromSjis(std::string_view bytes);

// Maps the JIS forms that Linux input methods produce to the forms CP932 holds
// (〜 to ～, − to －, ‖ to ∥, — to ―, ¢ to ￠, £ to ￡, ¬ to ￢), and the half-width yen
// sign ¥ and overline ‾ to the bytes 0x5C and 0x7E that stand for them. One character in,
// one out, so cursor positions stay valid.
QString NormalizeForSjis(const QString& text);

// The text after NormalizeForSjis as CP932 bytes, or std::nullopt if CP932 cannot hold it.
[[nodiscard]] std::optional<std::string> ToSjis(const QString& text);

// Whether ToSjis succeeds on the text.
bool CanEncodeSjis(const QString& text);
