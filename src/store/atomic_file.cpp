#include "atomic_file.h"

#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstring>
#include <string>

#include "file_error.h"

namespace {

constexpr qint64 kChunk = 1 << 20;

QString CannotWrite(const QString& path, const QString& reason) {
  return QStringLiteral("ファイル \"%1\" を書き込めません。\n%2").arg(path, reason);
}

qint64 DefaultWrite(QFile& file, const char* data, qint64 size) {
  return file.write(data, size);
}

void WriteAll(QFile& file, std::string_view bytes, const ChunkWriter& writer) {
  for (size_t at = 0; at < bytes.size();) {
    const qint64 size = std::min<qint64>(kChunk, static_cast<qint64>(bytes.size() - at));
    const qint64 took = writer(file, bytes.data() + at, size);
    if (took != size) {
      throw FileError(CannotWrite(file.fileName(), file.errorString()));
    }
    at += static_cast<size_t>(size);
  }
  if (!file.flush() || fsync(file.handle()) != 0) {
    throw FileError(CannotWrite(file.fileName(), QStringLiteral("ディスクに書き込めません。")));
  }
}

// Reads back what the file holds and compares it with what was meant to be there.
void Verify(QFile& file, std::string_view bytes) {
  const QString shortFile = QStringLiteral("書き込んだ内容を確認できません。");
  if (file.size() != static_cast<qint64>(bytes.size()) || !file.seek(0)) {
    throw FileError(CannotWrite(file.fileName(), shortFile));
  }
  std::string chunk;
  for (size_t at = 0; at < bytes.size();) {
    const size_t size = std::min<size_t>(kChunk, bytes.size() - at);
    chunk.resize(size);
    if (file.read(chunk.data(), static_cast<qint64>(size)) != static_cast<qint64>(size) ||
        bytes.substr(at, size) != chunk) {
      throw FileError(CannotWrite(file.fileName(), shortFile));
    }
    at += size;
  }
}

QFileDevice::Permissions NewFilePermissions() {
  const mode_t mask = umask(0);
  umask(mask);
  QFileDevice::Permissions p;
  if (!(mask & 0400)) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
  if (!(mask & 0200)) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
  if (!(mask & 0040)) p |= QFileDevice::ReadGroup;
  if (!(mask & 0020)) p |= QFileDevice::WriteGroup;
  if (!(mask & 0004)) p |= QFileDevice::ReadOther;
  if (!(mask & 0002)) p |= QFileDevice::WriteOther;
  return p;
}

}  // namespace

void WriteFileAtomically(const QString& path, std::string_view bytes, const ChunkWriter& writer) {
  const QFileInfo target(path);
  // The owner's write bit, not access(): root may write anything, yet a read-only backup
  // copy must stay as it is.
  const bool readOnly = !(target.permissions() & QFileDevice::WriteOwner) || !target.isWritable();
  if (target.exists() && (target.isDir() || readOnly)) {
    throw FileError(CannotWrite(path, QStringLiteral("読み取り専用か、ファイルではありません。")));
  }
  QTemporaryFile temp(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                      QStringLiteral(".XXXXXX"));
  if (!temp.open()) throw FileError(CannotWrite(path, temp.errorString()));
  WriteAll(temp, bytes, writer ? writer : ChunkWriter(DefaultWrite));
  Verify(temp, bytes);
  temp.setPermissions(target.exists() ? target.permissions() : NewFilePermissions());
  temp.close();
  // rename() replaces the old file in one step: readers see the old or the new file.
  if (::rename(QFile::encodeName(temp.fileName()).constData(),
               QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
    throw FileError(CannotWrite(path, QString::fromLocal8Bit(strerror(errno))));
  }
  temp.setAutoRemove(false);
}

std::string ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw FileError(
        QStringLiteral("ファイル \"%1\" を開けません。\n%2").arg(path, file.errorString()));
  }
  std::string bytes;
  const qint64 size = file.size();
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    if (file.read(bytes.data(), size) != size) {
      throw FileError(
          QStringLiteral("ファイル \"%1\" を読み込めません。\n%2").arg(path, file.errorString()));
    }
  }
  return bytes;
}
