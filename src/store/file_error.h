#pragma once

#include <QString>
#include <stdexcept>

// A file that cannot be read or written; the text is shown to the user as it stands.
class FileError : public std::runtime_error {
 public:
  explicit FileError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};
