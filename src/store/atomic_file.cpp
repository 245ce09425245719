#include "atomic_file.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>

#include "file_error.h"

namespace {

constexpr size_t kChunk = 1 << 20;
constexpr int kMaxLinks = 40;

// What goes wrong the same way reading or writing, in the program's words whatever the
// system's language; empty for the rest.
QString CommonCause(int error) {
  switch (error) {
    case ELOOP:
      return QStringLiteral("シンボリックリンクの参照先をたどれません。");
    case ENAMETOOLONG:
      return QStringLiteral("ファイル名が長すぎます。");
    case EIO:
      return QStringLiteral("ディスクの読み書きに失敗しました。");
    default:
      return {};
  }
}

// The cause of a failed write.
QString WriteCause(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return QStringLiteral("ディスクの空き容量が足りません。");
    case EACCES:
    case EPERM:
      return QStringLiteral("保存先に書き込む権限がありません。");
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral("保存先のフォルダがありません。");
    case EROFS:
      return QStringLiteral("保存先のディスクは読み取り専用です。");
    default: {
      const QString common = CommonCause(error);
      if (!common.isEmpty()) return common;
      return QStringLiteral("書き込みに失敗しました（エラー番号 %1）。").arg(error);
    }
  }
}

// The cause of a failed open or read.
QString ReadCause(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return QStringLiteral("ファイルが見つかりません。");
    case EACCES:
    case EPERM:
      return QStringLiteral("ファイルを読む権限がありません。");
    case EISDIR:
      return QStringLiteral("フォルダはファイルとして開けません。");
    case ENODEV:
      return QStringLiteral("通常のファイルではありません。");
    default: {
      const QString common = CommonCause(error);
      if (!common.isEmpty()) return common;
      return QStringLiteral("読み込みに失敗しました（エラー番号 %1）。").arg(error);
    }
  }
}

[[noreturn]] void CannotRead(const QString& what, const QString& path, int error) {
  throw FileError(QStringLiteral("ファイル \"%1\" を%2。\n%3").arg(path, what, ReadCause(error)));
}

[[noreturn]] void CannotWrite(const QString& path, const QString& cause) {
  throw FileError(QStringLiteral("ファイル \"%1\" を書き込めません。\n%2").arg(path, cause));
}

// The file a chain of symbolic links ends at (the path itself when it is no link).
QString FollowLinks(const QString& path, const QString& shown) {
  QString at = QFileInfo(path).absoluteFilePath();
  for (int hops = 0; QFileInfo(at).isSymLink(); ++hops) {
    if (hops == kMaxLinks) CannotWrite(shown, WriteCause(ELOOP));
    const QByteArray link = QFile::encodeName(at);
    char target[PATH_MAX];
    const ssize_t n = readlink(link.constData(), target, sizeof target - 1);
    if (n < 0) CannotWrite(shown, WriteCause(errno));
    const QString next = QFile::decodeName(QByteArray(target, static_cast<int>(n)));
    at = QDir::cleanPath(QFileInfo(at).absoluteDir().absoluteFilePath(next));
  }
  return at;
}

// The name a save gives its new contents beside the target: the program's mark, the
// computer and the process, so that two saves of one file at once never share one and a
// later save can tell its own leftovers from another's work in progress.
QString SavingPrefix(const QFileInfo& target) {
  return QStringLiteral(".") + target.fileName() + QStringLiteral(".saving");
}

QString SavingName(const QFileInfo& target) {
  static std::atomic<unsigned> sequence{0};
  return SavingPrefix(target) + QStringLiteral(".%1.%2.%3")
                                    .arg(QSysInfo::machineHostName())
                                    .arg(getpid())
                                    .arg(sequence.fetch_add(1));
}

// Removes what killed saves of the target left: the old fixed name, the names of this
// computer's processes that have ended, and anything of a day ago.
void RemoveLeftovers(const QFileInfo& target) {
  const QString prefix = SavingPrefix(target);
  const QDir folder = target.absoluteDir();
  const QString host = QSysInfo::machineHostName();
  const QDateTime dayAgo = QDateTime::currentDateTimeUtc().addDays(-1);
  const QFileInfoList found = folder.entryInfoList({prefix + QStringLiteral("*")},
                                                   QDir::Files | QDir::Hidden | QDir::System);
  for (const QFileInfo& leftover : found) {
    const QString name = leftover.fileName();
    bool gone = name == prefix || leftover.lastModified().toUTC() < dayAgo;
    const QStringList parts = name.mid(prefix.size()).split(QLatin1Char('.'));
    // ".HOST.PID.SEQ"; a host name may itself hold dots.
    if (!gone && parts.size() >= 4 && parts.first().isEmpty()) {
      bool number = false;
      const qint64 pid = parts[parts.size() - 2].toLongLong(&number);
      const QString from = parts.mid(1, parts.size() - 3).join(QLatin1Char('.'));
      gone = number && from == host && pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 &&
             errno == ESRCH;
    }
    if (gone) QFile::remove(leftover.absoluteFilePath());
  }
}

// The new contents beside the target. It has no name while it is written (O_TMPFILE), so
// a save killed then leaves nothing behind; it gets a name of its own only just before it
// takes the target's place.
class TempFile {
 public:
  TempFile(const QString& target, const QString& shown) : shown_(shown) {
    const QFileInfo info(target);
    RemoveLeftovers(info);
    name_ = QFile::encodeName(info.absolutePath() + QStringLiteral("/") + SavingName(info));
    fd_ = open(QFile::encodeName(info.absolutePath()).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC,
               0600);
    if (fd_ < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
      // A file system without unnamed files: named from the start.
      fd_ = open(name_.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0600);
      named_ = fd_ >= 0;
    }
    if (fd_ < 0) CannotWrite(shown_, WriteCause(errno));
  }
  ~TempFile() {
    if (fd_ >= 0) close(fd_);
    if (named_) unlink(name_.constData());
  }
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;

  int Fd() const { return fd_; }

  // Gives the written file its name, closes it and moves it over `target`.
  void Replace(const QByteArray& target) {
    if (!named_) {
      const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
      if (linkat(AT_FDCWD, self.constData(), AT_FDCWD, name_.constData(), AT_SYMLINK_FOLLOW) != 0) {
        CannotWrite(shown_, WriteCause(errno));
      }
      named_ = true;
    }
    // Closing can report a delayed write error (network folders).
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) CannotWrite(shown_, WriteCause(errno));
    // rename() replaces the old file in one step: readers see the old or the new file.
    if (rename(name_.constData(), target.constData()) != 0) {
      CannotWrite(shown_, WriteCause(errno));
    }
    named_ = false;
  }

 private:
  QString shown_;
  QByteArray name_;
  int fd_ = -1;
  bool named_ = false;
};

ssize_t DefaultWrite(int fd, const char* data, size_t size) {
  return write(fd, data, size);
}

void WriteAll(int fd, std::string_view bytes, const ChunkWriter& writer, const QString& shown) {
  for (size_t at = 0; at < bytes.size();) {
    const size_t size = std::min(kChunk, bytes.size() - at);
    errno = 0;
    const ssize_t took = writer(fd, bytes.data() + at, size);
    if (took < 0 && errno == EINTR) continue;
    // A write that takes fewer bytes without an error is a device that is full.
    if (took <= 0) CannotWrite(shown, WriteCause(took < 0 && errno != 0 ? errno : ENOSPC));
    at += static_cast<size_t>(took);
  }
  if (fsync(fd) != 0) CannotWrite(shown, WriteCause(errno));
}

// Reads back what the file holds and compares it with what was meant to be there.
void Verify(int fd, std::string_view bytes, const QString& shown) {
  const QString differs = QStringLiteral("書き込んだ内容を確認できません。");
  struct stat st {};
  if (fstat(fd, &st) != 0 || st.st_size != static_cast<off_t>(bytes.size())) {
    CannotWrite(shown, differs);
  }
  std::string chunk;
  for (size_t at = 0; at < bytes.size();) {
    const size_t size = std::min(kChunk, bytes.size() - at);
    chunk.resize(size);
    const ssize_t got = pread(fd, chunk.data(), size, static_cast<off_t>(at));
    if (got <= 0) CannotWrite(shown, differs);
    if (bytes.substr(at, static_cast<size_t>(got)) != std::string_view(chunk).substr(0, got)) {
      CannotWrite(shown, differs);
    }
    at += static_cast<size_t>(got);
  }
}

mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

}  // namespace

void WriteFileAtomically(const QString& path, std::string_view bytes, const ChunkWriter& writer) {
  const QString target = FollowLinks(path, path);
  const QFileInfo info(target);
  if (!info.absoluteDir().exists()) CannotWrite(path, WriteCause(ENOENT));
  if (info.isDir()) CannotWrite(path, QStringLiteral("同じ名前のフォルダがあります。"));
  struct stat old {};
  const QByteArray targetName = QFile::encodeName(target);
  const bool replacing = stat(targetName.constData(), &old) == 0;
  // A pipe or a device would be replaced by a plain file without a word.
  if (replacing && !S_ISREG(old.st_mode)) CannotWrite(path, ReadCause(ENODEV));
  if (access(QFile::encodeName(info.absolutePath()).constData(), W_OK) != 0 && errno == EROFS) {
    CannotWrite(path, WriteCause(EROFS));
  }
  // The owner's write bit, not access(): root may write anything, yet a read-only backup
  // copy must stay as it is.
  if (replacing && (!(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable())) {
    CannotWrite(path, QStringLiteral("読み取り専用のファイルです。"));
  }

  TempFile temp(target, path);
  WriteAll(temp.Fd(), bytes, writer ? writer : ChunkWriter(DefaultWrite), path);
  Verify(temp.Fd(), bytes, path);
  if (fchmod(temp.Fd(), replacing ? (old.st_mode & 07777) : NewFileMode()) != 0) {
    CannotWrite(path, WriteCause(errno));
  }
  temp.Replace(targetName);
  // The new name itself reaches the disk only with the folder.
  const int folder =
      open(QFile::encodeName(info.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    fsync(folder);
    close(folder);
  }
}

QString ResolveLinks(const QString& path) {
  return FollowLinks(path, path);
}

std::string ReadWholeFile(const QString& path) {
  return ReadFileStart(path, std::string::npos);
}

std::string ReadFileStart(const QString& path, size_t limit) {
  // Plain POSIX calls, so the cause comes from errno in the program's own words rather
  // than in the system's language.
  // Non-blocking, so that a pipe without a writer cannot hang the open; only regular files
  // are read, as a device or pipe may never end.
  const int fd = open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) CannotRead(QStringLiteral("開けません"), path, errno);
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int error = S_ISDIR(st.st_mode) ? EISDIR : S_ISREG(st.st_mode) ? errno : ENODEV;
    close(fd);
    CannotRead(QStringLiteral("開けません"), path, error);
  }
  std::string bytes;
  bytes.reserve(std::min(limit, static_cast<size_t>(st.st_size)));
  char chunk[1 << 16];
  while (bytes.size() < limit) {
    const ssize_t n = read(fd, chunk, std::min(sizeof chunk, limit - bytes.size()));
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      close(fd);
      CannotRead(QStringLiteral("読み込めません"), path, error);
    }
    bytes.append(chunk, static_cast<size_t>(n));
  }
  close(fd);
  return bytes;
}
