#include "cli_open.h"

#include <QFileInfo>
#include <iostream>
#include <vector>

#include "data_file.h"
#include "file_error.h"
#include "sjis_codec.h"

// Messages of the program may span lines; the tool says everything on one.
std::string OneLine(const QString& message) {
  QString s = message;
  s.replace(QStringLiteral("\r\n"), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s.toStdString();
}

std::string ReadPassword(std::istream& in) {
  std::string line;
  if (!std::getline(in, line)) throw Refusal("no password on standard input");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty()) throw Refusal("the password is empty");
  const std::optional<std::string> sjis =
      ToSjis(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  if (!sjis) throw Refusal("the password holds characters that CP932 cannot hold");
  return *sjis;
}

Document OpenForExport(const std::string& file, bool passwordStdin, std::istream& in) {
  const QString path = QString::fromLocal8Bit(file.c_str());
  Document doc;
  int asked = 0;
  std::vector<QString> messages;
  const OpenPrompts prompts{[&]() -> std::optional<std::string> {
                              if (!passwordStdin || asked++ > 0) return std::nullopt;
                              return ReadPassword(in);
                            },
                            [&](const QString& m) { messages.push_back(m); }};
  try {
    if (OpenDocument(doc, path, prompts) == OpenResult::Opened) return doc;
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
  if (!messages.empty()) throw Refusal(OneLine(messages.front()));
  throw Refusal(OneLine(
      QStringLiteral(
          "【%1】はパスワードで保護されています。--password-stdin でパスワードを渡してください。")
          .arg(QFileInfo(path).fileName())));
}
