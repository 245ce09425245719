#pragma once

#include <QDateTime>
#include <QString>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "document.h"

// Recovery copies: while a document has unsaved changes, the program keeps a copy of it
// in the data file format (enciphered when the document has a password) in the Recovery
// folder beside the configuration, so that a crash or a power cut loses at most about a
// minute of work. Each copy `KEY.TLG` has a small sidecar `KEY.ini` naming the file the
// document belongs to and when the copy was taken.

struct RecoveryCopy {
  QString dataPath;      // the copy itself
  QString originalPath;  // the file the document belongs to; empty for a new document
  QDateTime written;
};

// Recovery in the configuration folder, created (private to the user) when missing.
QString RecoveryFolder();
// Where copies the user chose not to restore are kept for a while.
QString SetAsideFolder(const QString& folder);
inline constexpr int kSetAsideDays = 30;

// The key a document's copies go under: one per data file, whatever path it was opened
// by. A new document that has no file yet takes a key of its own (NewDocumentKey).
QString RecoveryKey(const QString& originalPath);
QString NewDocumentKey();

// The copies in the folder, newest first; a copy without its sidecar is left out.
std::vector<RecoveryCopy> ListRecoveryCopies(const QString& folder);
// The copy kept for that data file, if any.
std::optional<RecoveryCopy> RecoveryCopyFor(const QString& folder, const QString& originalPath);
// Whether the copy holds changes the file on disk does not: it was taken after the file
// was last written, or the file is gone.
bool IsNewerThanItsFile(const RecoveryCopy& copy);
// Moves the copy into the set-aside folder under a name a person recognises
// ("さくら商事 2026-12-08 143205.TLG") and returns where it went; empty when it could not
// be moved (it then stays where it was).
QString SetAside(const RecoveryCopy& copy, const QString& folder);
// Removes set-aside copies older than kSetAsideDays.
void RemoveOldSetAside(const QString& folder, const QDateTime& now);
void RemoveRecoveryCopy(const RecoveryCopy& copy);

// When the next copy may be written after a change: a few seconds after the change, but
// never sooner than a minute after the last copy, so that copies never hold up work.
qint64 RecoveryDelayMs(const std::optional<QDateTime>& lastWritten, const QDateTime& now);

// Writes copies on a thread of its own: the caller hands over a snapshot and goes on. A
// snapshot handed over before the worker reached the previous one of the same key takes
// its place.
class RecoveryWriter {
 public:
  explicit RecoveryWriter(QString folder);
  ~RecoveryWriter();
  RecoveryWriter(const RecoveryWriter&) = delete;
  RecoveryWriter& operator=(const RecoveryWriter&) = delete;

  void Write(Document snapshot, const QString& originalPath, const QString& key,
             const QDateTime& when);
  // Waits until everything handed over is on disk.
  void Flush();
  // Drops what is not written yet, waits for a write in flight and removes the copy.
  void Remove(const QString& key);
  // Why the last copy could not be written; empty after a copy that was.
  QString LastError() const;

 private:
  struct Job {
    Document doc;
    QString originalPath;
    QString key;
    QDateTime when;
  };
  void Run();
  void WriteJob(const Job& job);

  QString folder_;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  std::vector<Job> pending_;  // at most one per key
  bool busy_ = false;
  bool stop_ = false;
  QString lastError_;
  std::thread worker_;
};
