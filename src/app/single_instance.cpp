#include "single_instance.h"

#include <QDir>
#include <QStandardPaths>

#include "app_title.h"

QString SingleInstanceLockPath() {
  // The user's own runtime folder: in the shared temporary folder another user's copy would
  // stop this one, and a lock left there by a crash could not be taken over by anyone else.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return QDir(folder).filePath(AppTitle() + QStringLiteral(".lock"));
}

bool AcquireSingleInstance(QLockFile& lock) {
  // Never stale by age: a copy may run for days. A dead owner is still detected.
  lock.setStaleLockTime(0);
  return lock.tryLock(0);
}
