#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

// Who holds the lock of a data file.
struct LockHolder {
  qint64 pid = 0;
  QString program, host, user;
  QDateTime since;
  // Machine id and host name equal (the host name alone when a machine id is missing).
  bool sameComputer = false;
};

// "yamada（PC-01）が 2026/12/08 14:32 から使用しています" — no final punctuation, callers add it.
QString DescribeHolder(const LockHolder& holder);

// The lock beside the file a chain of symbolic links from `dataPath` ends at:
// `さくら商事.TLG` → `.さくら商事.TLG.lock`.
QString LockPathFor(const QString& dataPath);

// The lock of one data file for this process; held from a Taken TryLock or TakeOver until
// Release or destruction. Several locks of one file in this process share the file, which
// goes with the last of them.
class DataFileLock {
 public:
  enum class Result { Taken, HeldByOther, NotPossible };

  DataFileLock() = default;
  ~DataFileLock();
  DataFileLock(DataFileLock&& other) noexcept;
  DataFileLock& operator=(DataFileLock&& other) noexcept;
  DataFileLock(const DataFileLock&) = delete;
  DataFileLock& operator=(const DataFileLock&) = delete;

  // Takes the lock of dataPath for this process. A lock this process already holds counts
  // as taken. A stale lock of this computer (its process is gone, the process with that pid
  // is another program, or the computer restarted since) is taken over without asking. A
  // live lock of another process, or any lock of another computer (we cannot tell whether
  // it is stale), is HeldByOther and Holder() tells who. NotPossible when the lock cannot be
  // written at all (read-only folder or medium): the caller then works without a lock.
  Result TryLock(const QString& dataPath);
  // Replaces whatever lock is there with this process's (after the user said so).
  Result TakeOver(const QString& dataPath);
  // After HeldByOther the other holder, after Taken this process.
  const LockHolder& Holder() const { return holder_; }
  bool Held() const { return held_; }
  QString DataPath() const { return dataPath_; }
  // Removes the lock file, but only while it still names this process.
  void Release();

 private:
  Result Take(const QString& dataPath, bool replace);

  QString dataPath_;
  QString lockPath_;
  LockHolder holder_;
  bool held_ = false;
};

// The holder of a lock on dataPath that this process must respect: nothing when there is no
// lock, a lock of this process, or a stale lock of this computer.
std::optional<LockHolder> OtherHolder(const QString& dataPath);

// What a lock file records: its holder, and the machine and boot it was taken on, which
// tell whether a lock of this computer outlived its process.
struct LockRecord {
  LockHolder holder;  // sameComputer is not recorded: it depends on who reads the lock
  QByteArray machineId, bootId;
};

// This process as its lock names it, taken now.
LockRecord ThisProcessRecord();
// The content of a lock file.
QByteArray LockText(const LockRecord& record);

enum class LockState { Ours, Stale, Live };
struct LockVerdict {
  LockState state = LockState::Live;
  LockHolder holder;  // empty for a lock that cannot be read
};
// The program running as `pid` ("" when it cannot be told), nothing when no process has it.
using ProgramLookup = std::function<std::optional<QString>(qint64 pid)>;
// How `me` must treat a lock file with content `text` that was last written `ageSeconds`
// ago; `programOf` looks at the processes of this computer.
LockVerdict JudgeLock(const QByteArray& text, qint64 ageSeconds, const LockRecord& me,
                      const ProgramLookup& programOf);
