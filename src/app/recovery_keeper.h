#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <functional>
#include <optional>

#include "recovery_copy.h"

// What goes into a recovery copy: a copy of the document, taken on the UI thread, and the
// file it belongs to.
struct RecoverySnapshot {
  Document doc;
  QString originalPath;
};

// Keeps the recovery copy of the open document: after a change it schedules a copy (a few
// seconds later, at most one a minute), takes the snapshot and lets the writer's thread
// encode and write it, so typing never waits for the disk.
class RecoveryKeeper : public QObject {
  Q_OBJECT

 public:
  // `snapshot` gives nothing when the document has no unsaved changes.
  explicit RecoveryKeeper(std::function<std::optional<RecoverySnapshot>()> snapshot,
                          QObject* parent = nullptr);

  // The key later copies go under (RecoveryKey / NewDocumentKey).
  void SetKey(const QString& key) { key_ = key; }
  const QString& Key() const { return key_; }
  void DocumentChanged();
  // Removes the copy of the current key: its changes were saved or given up.
  void Discard();
  // Takes the copy now instead of when it is due, and waits until it is on disk.
  void WriteNow();

 private:
  void WriteDue();

  std::function<std::optional<RecoverySnapshot>()> snapshot_;
  RecoveryWriter writer_;
  QTimer timer_;
  QString key_;
  std::optional<QDateTime> lastWritten_;
};
