#include "recovery_keeper.h"

RecoveryKeeper::RecoveryKeeper(std::function<std::optional<RecoverySnapshot>()> snapshot,
                               QObject* parent)
    : QObject(parent), snapshot_(std::move(snapshot)), writer_(RecoveryFolder()) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::WriteDue);
}

void RecoveryKeeper::DocumentChanged() {
  if (!timer_.isActive()) {
    timer_.start(static_cast<int>(RecoveryDelayMs(lastWritten_, QDateTime::currentDateTime())));
  }
}

void RecoveryKeeper::Discard() {
  timer_.stop();
  if (!key_.isEmpty()) writer_.Remove(key_);
}

void RecoveryKeeper::WriteNow() {
  timer_.stop();
  WriteDue();
  writer_.Flush();
}

void RecoveryKeeper::WriteDue() {
  if (key_.isEmpty()) return;
  std::optional<RecoverySnapshot> snap = snapshot_();
  if (!snap) return;
  const QDateTime now = QDateTime::currentDateTime();
  writer_.Write(std::move(snap->doc), snap->originalPath, key_, now);
  lastWritten_ = now;
}
