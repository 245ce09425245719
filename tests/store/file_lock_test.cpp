#include "file_lock.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <map>

#include "file_identity.h"

namespace {

const QDateTime kSince(QDate(2026, 12, 8), QTime(14, 32));

LockRecord Record(qint64 pid, const char* program, const char* host, const char* machine,
                  const char* boot) {
  LockRecord r;
  r.holder.pid = pid;
  r.holder.program = QString::fromUtf8(program);
  r.holder.host = QString::fromUtf8(host);
  r.holder.user = QStringLiteral("yamada");
  r.holder.since = kSince;
  r.machineId = machine;
  r.bootId = boot;
  return r;
}

// A lock of another process on this computer, named `program`.
QByteArray LockOf(qint64 pid, const char* program) {
  LockRecord r = ThisProcessRecord();
  r.holder.pid = pid;
  r.holder.program = QString::fromUtf8(program);
  r.holder.user = QStringLiteral("yamada");
  r.holder.since = kSince;
  return LockText(r);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A process of this computer that is not us, alive until the test ends.
class Sleeper {
 public:
  Sleeper() {
    process_.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    started_ = process_.waitForStarted();
  }
  ~Sleeper() { Stop(); }
  bool Started() const { return started_; }
  qint64 Pid() const { return process_.processId(); }
  void Stop() {
    process_.kill();
    process_.waitForFinished();
  }

 private:
  QProcess process_;
  bool started_ = false;
};

TEST(FileLock, JudgesLocksAsTheirOwnerTheirComputerAndTheirAgeTell) {
  const LockRecord me = Record(1000, "tenpo", "pc-a", "m-a", "b-a");
  const std::map<qint64, QString> running = {{2000, QStringLiteral("tenpo")},
                                             {3000, QStringLiteral("bash")}};
  const ProgramLookup programOf = [&](qint64 pid) -> std::optional<QString> {
    const auto it = running.find(pid);
    if (it == running.end()) return std::nullopt;
    return it->second;
  };
  struct Case {
    const char* what;
    QByteArray text;
    qint64 age;
    LockState state;
    bool sameComputer;
  };
  const QByteArray live = LockText(Record(2000, "tenpo", "pc-a", "m-a", "b-a"));
  const Case cases[] = {
      {"this process", LockText(Record(1000, "tenpo", "pc-a", "m-a", "b-a")), 0, LockState::Ours,
       true},
      {"live process here", live, 3600, LockState::Live, true},
      {"process gone", LockText(Record(2001, "tenpo", "pc-a", "m-a", "b-a")), 0, LockState::Stale,
       true},
      {"pid now another program", LockText(Record(3000, "tenpo", "pc-a", "m-a", "b-a")), 0,
       LockState::Stale, true},
      {"restarted since", LockText(Record(2000, "tenpo", "pc-a", "m-a", "b-old")), 0,
       LockState::Stale, true},
      {"other computer, pid gone here", LockText(Record(2001, "tenpo", "pc-b", "m-b", "b-b")), 0,
       LockState::Live, false},
      {"other computer, our pid", LockText(Record(1000, "tenpo", "pc-b", "m-b", "b-a")), 0,
       LockState::Live, false},
      {"cloned machine id, other host", LockText(Record(2001, "tenpo", "pc-b", "m-a", "b-b")), 0,
       LockState::Live, false},
      {"no machine id, same host", LockText(Record(2001, "tenpo", "pc-a", "", "")), 0,
       LockState::Stale, true},
      {"no machine id, other host", LockText(Record(2001, "tenpo", "pc-b", "", "")), 0,
       LockState::Live, false},
      {"being written", live.left(5), 1, LockState::Live, false},
      {"written by a crash", live.left(5), 60, LockState::Stale, false},
      {"empty, young", QByteArray(), 0, LockState::Live, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const LockVerdict verdict = JudgeLock(c.text, c.age, me, programOf);
    EXPECT_EQ(verdict.state, c.state);
    EXPECT_EQ(verdict.holder.sameComputer, c.sameComputer);
  }
  const LockVerdict other = JudgeLock(live, 0, me, programOf);
  EXPECT_EQ(other.holder.pid, 2000);
  EXPECT_EQ(other.holder.since, kSince);
  EXPECT_EQ(DescribeHolder(other.holder),
            QStringLiteral("yamada（pc-a）が 2026/12/08 14:32 から使用しています"));
  EXPECT_EQ(DescribeHolder(JudgeLock("1", 0, me, programOf).holder),
            QStringLiteral("他の利用者が使用しています"));
}

TEST(FileLock, LocksOfOneProcessShareTheFileUntilTheLastRelease) {
  QTemporaryDir dir;
  const QString data = dir.filePath(QStringLiteral("さくら商事.TLG"));
  const QString lock = dir.filePath(QStringLiteral(".さくら商事.TLG.lock"));
  ASSERT_EQ(LockPathFor(data), lock);
  DataFileLock a;
  ASSERT_EQ(a.TryLock(data), DataFileLock::Result::Taken);
  EXPECT_TRUE(QFile::exists(lock));
  {
    DataFileLock b;
    EXPECT_EQ(b.TryLock(data), DataFileLock::Result::Taken);
    DataFileLock moved = std::move(b);
    EXPECT_FALSE(b.Held());
    EXPECT_EQ(OtherHolder(data), std::nullopt);
    a.Release();
    EXPECT_TRUE(QFile::exists(lock));
  }
  EXPECT_FALSE(QFile::exists(lock));
}

TEST(FileLock, ALiveForeignLockIsRespectedAndAStaleOneTakenOver) {
  QTemporaryDir dir;
  const QString data = dir.filePath(QStringLiteral("a.TLG"));
  const QString lock = LockPathFor(data);
  Sleeper other;
  ASSERT_TRUE(other.Started());
  const QByteArray theirs = LockOf(other.Pid(), "sleep");
  WriteFile(lock, theirs);

  DataFileLock mine;
  EXPECT_EQ(mine.TryLock(data), DataFileLock::Result::HeldByOther);
  EXPECT_EQ(mine.Holder().pid, other.Pid());
  EXPECT_TRUE(mine.Holder().sameComputer);
  ASSERT_TRUE(OtherHolder(data).has_value());
  EXPECT_EQ(OtherHolder(data)->user, QStringLiteral("yamada"));
  mine.Release();
  EXPECT_EQ(ReadFile(lock), theirs);

  // Taken over on request; given back to them, our release leaves their lock alone.
  ASSERT_EQ(mine.TakeOver(data), DataFileLock::Result::Taken);
  EXPECT_EQ(OtherHolder(data), std::nullopt);
  WriteFile(lock, theirs);
  mine.Release();
  EXPECT_EQ(ReadFile(lock), theirs);

  other.Stop();
  EXPECT_EQ(OtherHolder(data), std::nullopt);
  ASSERT_EQ(mine.TryLock(data), DataFileLock::Result::Taken);
  EXPECT_NE(ReadFile(lock), theirs);
  mine.Release();
  EXPECT_FALSE(QFile::exists(lock));

  // A cut-off lock is someone's while it may still be being written.
  WriteFile(lock, theirs.left(3));
  EXPECT_EQ(mine.TryLock(data), DataFileLock::Result::HeldByOther);
  QFile cut(lock);
  ASSERT_TRUE(cut.open(QIODevice::ReadWrite));
  ASSERT_TRUE(cut.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
  cut.close();
  EXPECT_EQ(mine.TryLock(data), DataFileLock::Result::Taken);
}

TEST(FileLock, ALinkedDataFileIsLockedBesideItsTarget) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("real")));
  const QString target = dir.filePath(QStringLiteral("real/a.TLG"));
  const QString link = dir.filePath(QStringLiteral("link.TLG"));
  WriteFile(target, "data");
  ASSERT_TRUE(QFile::link(QStringLiteral("real/a.TLG"), link));
  DataFileLock lock;
  ASSERT_EQ(lock.TryLock(link), DataFileLock::Result::Taken);
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("real/.a.TLG.lock"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral(".link.TLG.lock"))));
}

// Each change keeps every other part of the identity, so each part is seen to count.
TEST(FileIdentity, ChangesWhenTheFileIsRewrittenOrReplaced) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("a.TLG"));
  const QString other = dir.filePath(QStringLiteral("b.TLG"));
  EXPECT_FALSE(IdentityOf(path).exists);
  WriteFile(path, "0123456789");
  const FileIdentity before = IdentityOf(path);
  ASSERT_TRUE(before.exists);
  ReadFile(path);
  EXPECT_EQ(IdentityOf(path), before);

  const auto setModified = [](const QString& file, qint64 ns) {
    const timespec times[2] = {{0, UTIME_OMIT}, {ns / 1'000'000'000, ns % 1'000'000'000}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(file).constData(), times, 0), 0);
  };
  struct Case {
    const char* what;
    std::function<void(const FileIdentity&)> change;
  };
  const Case cases[] = {
      {"rewritten longer",
       [&](const FileIdentity& old) {
         WriteFile(path, "0123456789a");
         setModified(path, old.modifiedNs);
       }},
      {"rewritten in place",
       [&](const FileIdentity& old) { setModified(path, old.modifiedNs + 1); }},
      {"replaced by rename",
       [&](const FileIdentity& old) {
         WriteFile(other, ReadFile(path));
         setModified(other, old.modifiedNs);
         ASSERT_EQ(
             rename(QFile::encodeName(other).constData(), QFile::encodeName(path).constData()), 0);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const FileIdentity old = IdentityOf(path);
    c.change(old);
    const FileIdentity now = IdentityOf(path);
    EXPECT_NE(now, old);
    EXPECT_EQ(now.device, old.device);
  }
}

}  // namespace
