#include "file_lock.h"

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <climits>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "atomic_file.h"
#include "file_error.h"

namespace {

// A writer needs microseconds between creating the lock and filling it; a lock that is
// still unreadable after this long was left by a writer that died.
constexpr qint64 kGarbledStaleSeconds = 5;
constexpr qsizetype kMaxLockSize = 4096;

// Locks of this process and how many DataFileLock objects share each, so that one of them
// releasing leaves the file to the others.
std::mutex& LocksMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<QString, int>& HeldHere() {
  static std::map<QString, int> counts;
  return counts;
}

QString OneLineText(QString text) {
  return text.replace(QLatin1Char('\n'), QLatin1Char(' '))
      .replace(QLatin1Char('\r'), QLatin1Char(' '));
}

QString ProgramName() {
  QFile comm(QStringLiteral("/proc/self/comm"));
  if (!comm.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(comm.readAll().trimmed());
}

QString UserName() {
  const long max = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(max > 0 ? static_cast<size_t>(max) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found) {
    return QString::fromLocal8Bit(found->pw_name);
  }
  return QString::fromLocal8Bit(qgetenv("USER"));
}

std::optional<LockRecord> ParseLock(const QByteArray& text) {
  // A lock still being written has no final line break yet.
  if (!text.endsWith('\n')) return std::nullopt;
  const QList<QByteArray> lines = text.split('\n');
  if (lines.size() < 8) return std::nullopt;
  LockRecord record;
  bool ok = false;
  record.holder.pid = lines[0].toLongLong(&ok);
  if (!ok || record.holder.pid <= 0) return std::nullopt;
  record.holder.program = QString::fromUtf8(lines[1]);
  record.holder.host = QString::fromUtf8(lines[2]);
  record.machineId = lines[3];
  record.bootId = lines[4];
  record.holder.user = QString::fromUtf8(lines[5]);
  record.holder.since = QDateTime::fromString(QString::fromUtf8(lines[6]), Qt::ISODate);
  if (!record.holder.since.isValid()) return std::nullopt;
  return record;
}

bool SameComputer(const LockRecord& lock, const LockRecord& me) {
  // The host name too: machines cloned from one image can share a machine id, and two
  // containers on one kernel share it and the boot id while their pids mean different
  // processes. Wrongly "another computer" only means asking the user.
  if (lock.holder.host != me.holder.host) return false;
  if (!lock.machineId.isEmpty() && !me.machineId.isEmpty()) return lock.machineId == me.machineId;
  return !me.holder.host.isEmpty();
}

std::optional<QString> RunningProgram(qint64 pid) {
  if (pid <= 0 || pid > INT_MAX) return std::nullopt;
  if (kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return std::nullopt;
  // "pid (name) state …"; the name may itself hold parentheses.
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return QString();
  const QByteArray line = stat.readAll();
  const qsizetype open = line.indexOf('(');
  const qsizetype close = line.lastIndexOf(')');
  if (open < 0 || close < open) return QString();
  // A process that ended but was not reaped yet holds nothing any more.
  if (line.mid(close + 2, 1) == "Z") return std::nullopt;
  return QString::fromUtf8(line.mid(open + 1, close - open - 1));
}

struct FoundLock {
  int error = 0;  // errno of opening it; ENOENT when there is no lock
  QByteArray text;
  qint64 ageSeconds = 0;
  dev_t device = 0;
  ino_t inode = 0;

  bool SameAs(const FoundLock& other) const {
    return error == 0 && other.error == 0 && device == other.device && inode == other.inode &&
           text == other.text;
  }
};

FoundLock ReadLock(const QString& lockPath) {
  FoundLock found;
  // Non-blocking: whatever lies under the lock's name must not hang us.
  const int fd = open(QFile::encodeName(lockPath).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    found.error = errno == ENOTDIR ? ENOENT : errno;
    return found;
  }
  struct stat st {};
  if (fstat(fd, &st) == 0) {
    found.device = st.st_dev;
    found.inode = st.st_ino;
    found.ageSeconds = QDateTime::currentSecsSinceEpoch() - st.st_mtim.tv_sec;
    char chunk[1024];
    while (S_ISREG(st.st_mode) && found.text.size() <= kMaxLockSize) {
      const ssize_t n = read(fd, chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      found.text.append(chunk, n);
    }
  }
  close(fd);
  if (found.text.size() > kMaxLockSize) found.text.clear();
  return found;
}

LockVerdict Judge(const FoundLock& found, const LockRecord& me) {
  // There, but unreadable to us: someone's, we cannot tell whose.
  if (found.error != 0) return {};
  return JudgeLock(found.text, found.ageSeconds, me, RunningProgram);
}

// 0, or the errno of the failure; EEXIST when there is a lock already.
int CreateLock(const QByteArray& path, const QByteArray& text) {
  const int fd = open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  int error = 0;
  for (qsizetype at = 0; at < text.size() && error == 0;) {
    const ssize_t n = write(fd, text.constData() + at, static_cast<size_t>(text.size() - at));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) error = n < 0 ? errno : ENOSPC;
    at += n > 0 ? n : 0;
  }
  // Closing reports a delayed write error of a network folder.
  if (close(fd) != 0 && error == 0) error = errno;
  if (error != 0) unlink(path.constData());
  return error;
}

}  // namespace

QString DescribeHolder(const LockHolder& holder) {
  QString who = holder.user.isEmpty() ? QStringLiteral("他の利用者") : holder.user;
  if (!holder.host.isEmpty()) who += QStringLiteral("（%1）").arg(holder.host);
  if (!holder.since.isValid()) return QStringLiteral("%1が使用しています").arg(who);
  return QStringLiteral("%1が %2 から使用しています")
      .arg(who, holder.since.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")));
}

QString LockPathFor(const QString& dataPath) {
  const QFileInfo target(ResolveLinks(dataPath));
  return target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".lock");
}

LockRecord ThisProcessRecord() {
  LockRecord record;
  record.holder.pid = getpid();
  record.holder.program = ProgramName();
  record.holder.host = QSysInfo::machineHostName();
  record.holder.user = UserName();
  const QDateTime now = QDateTime::currentDateTime();
  record.holder.since = now.toOffsetFromUtc(now.offsetFromUtc());
  record.holder.sameComputer = true;
  record.machineId = QSysInfo::machineUniqueId();
  record.bootId = QSysInfo::bootUniqueId();
  return record;
}

QByteArray LockText(const LockRecord& record) {
  const LockHolder& h = record.holder;
  const QStringList lines = {QString::number(h.pid),
                             OneLineText(h.program),
                             OneLineText(h.host),
                             QString::fromUtf8(record.machineId),
                             QString::fromUtf8(record.bootId),
                             OneLineText(h.user),
                             h.since.toString(Qt::ISODate)};
  return (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

LockVerdict JudgeLock(const QByteArray& text, qint64 ageSeconds, const LockRecord& me,
                      const ProgramLookup& programOf) {
  const std::optional<LockRecord> lock = ParseLock(text);
  if (!lock) return {ageSeconds > kGarbledStaleSeconds ? LockState::Stale : LockState::Live, {}};
  LockVerdict verdict{LockState::Live, lock->holder};
  verdict.holder.sameComputer = SameComputer(*lock, me);
  if (!verdict.holder.sameComputer) return verdict;
  const LockHolder& h = lock->holder;
  if (!lock->bootId.isEmpty() && !me.bootId.isEmpty() && lock->bootId != me.bootId) {
    verdict.state = LockState::Stale;
  } else if (h.pid == me.holder.pid) {
    verdict.state = LockState::Ours;
  } else {
    const std::optional<QString> running = programOf(h.pid);
    if (!running || (!running->isEmpty() && !h.program.isEmpty() && *running != h.program)) {
      verdict.state = LockState::Stale;
    }
  }
  return verdict;
}

DataFileLock::~DataFileLock() {
  Release();
}

DataFileLock::DataFileLock(DataFileLock&& other) noexcept
    : dataPath_(std::move(other.dataPath_)),
      lockPath_(std::move(other.lockPath_)),
      holder_(std::move(other.holder_)),
      held_(std::exchange(other.held_, false)) {}

DataFileLock& DataFileLock::operator=(DataFileLock&& other) noexcept {
  if (this != &other) {
    Release();
    dataPath_ = std::move(other.dataPath_);
    lockPath_ = std::move(other.lockPath_);
    holder_ = std::move(other.holder_);
    held_ = std::exchange(other.held_, false);
  }
  return *this;
}

DataFileLock::Result DataFileLock::TryLock(const QString& dataPath) {
  return Take(dataPath, false);
}

DataFileLock::Result DataFileLock::TakeOver(const QString& dataPath) {
  return Take(dataPath, true);
}

DataFileLock::Result DataFileLock::Take(const QString& dataPath, bool replace) {
  Release();
  holder_ = {};
  dataPath_ = dataPath;
  try {
    lockPath_ = LockPathFor(dataPath);
  } catch (const FileError&) {
    return Result::NotPossible;  // a loop of links: the data file cannot be opened either
  }
  const QByteArray name = QFile::encodeName(lockPath_);
  const LockRecord me = ThisProcessRecord();
  const std::lock_guard guard(LocksMutex());
  const auto hold = [&](const LockHolder& holder) {
    holder_ = holder;
    held_ = true;
    ++HeldHere()[lockPath_];
    return Result::Taken;
  };
  // A few rounds: a lock may come and go under our hands.
  for (int round = 0; round < 3; ++round) {
    const int error = CreateLock(name, LockText(me));
    if (error == 0) return hold(me.holder);
    if (error != EEXIST) return Result::NotPossible;
    const FoundLock found = ReadLock(lockPath_);
    if (found.error == ENOENT) continue;
    const LockVerdict verdict = Judge(found, me);
    if (verdict.state == LockState::Ours) return hold(verdict.holder);
    holder_ = verdict.holder;
    if (verdict.state == LockState::Live && !replace) return Result::HeldByOther;
    // A stale lock goes only if it is still the one judged. Left open: another taker may
    // remove the same stale lock and create its own between our second read and unlink(),
    // and we would remove that one; the window is two system calls wide.
    if (!replace && !ReadLock(lockPath_).SameAs(found)) continue;
    if (unlink(name.constData()) != 0 && errno != ENOENT) return Result::NotPossible;
  }
  return Result::HeldByOther;
}

void DataFileLock::Release() {
  if (!held_) return;
  held_ = false;
  const std::lock_guard guard(LocksMutex());
  const auto shared = HeldHere().find(lockPath_);
  if (shared != HeldHere().end() && --shared->second > 0) return;
  if (shared != HeldHere().end()) HeldHere().erase(shared);
  // Someone who took the lock over from us keeps it. Left open: a take-over between this
  // read and unlink() loses its lock.
  if (Judge(ReadLock(lockPath_), ThisProcessRecord()).state == LockState::Ours) {
    unlink(QFile::encodeName(lockPath_).constData());
  }
}

std::optional<LockHolder> OtherHolder(const QString& dataPath) {
  QString lockPath;
  try {
    lockPath = LockPathFor(dataPath);
  } catch (const FileError&) {
    return std::nullopt;
  }
  const FoundLock found = ReadLock(lockPath);
  if (found.error == ENOENT) return std::nullopt;
  const LockVerdict verdict = Judge(found, ThisProcessRecord());
  if (verdict.state != LockState::Live) return std::nullopt;
  return verdict.holder;
}
