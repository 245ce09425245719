#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document.h"

inline constexpr char kAppTitle[] = "てんぽ帳 販売管理";  // UTF-8
inline constexpr char kFileIdentifier[] = "TENPOLEDGER";
inline constexpr char kFileVersion[] = "1.00";

enum class OpenResult { Opened, NotOpened, GiveUp };

// How OpenDocument talks to the user: the login window and message boxes in the program,
// standard input and standard error in the command-line tool.
struct OpenPrompts {
  // The typed password (CP932), or nothing when the user cancels.
  std::function<std::optional<std::string>()> askPassword;
  std::function<void(const QString& message)> showMessage;
  // Shown after the third wrong password.
  QString giveUpMessage =
      QStringLiteral("パスワードの入力を一定回数以上間違えた為、ソフトを終了します。");
};

// Opens a data file into `doc`, which the caller has reset. Anything but Opened leaves
// `doc` as it was: a damaged file is refused whole rather than half loaded. Throws
// FileError when the file cannot be read at all. The caller stores the path.
OpenResult OpenDocument(Document& doc, const QString& path, const OpenPrompts& prompts);
// No data file comes near this: a larger one is refused before it is read.
inline constexpr qint64 kMaxDataFileSize = qint64{1} << 31;
// The same on bytes already read; `name` is the file name the messages show.
OpenResult OpenDocumentBytes(Document& doc, std::string_view bytes, const QString& name,
                             const OpenPrompts& prompts);

// Writes the document to `path`, replacing the file in one step; throws FileError and
// leaves the old file untouched on any failure.
void SaveDocument(const Document& doc, const QString& path);

// The bytes SaveDocument writes.
std::string SerializeDocument(const Document& doc);
