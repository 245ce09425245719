#include "single_instance.h"

#include <QDir>

#include "app_title.h"

QString SingleInstanceLockPath() {
  return QDir::temp().filePath(AppTitle() + QStringLiteral(".lock"));
}

bool AcquireSingleInstance(QLockFile& lock) {
  // Never stale by age: a copy may run for days. A dead owner is still detected.
  lock.setStaleLockTime(0);
  return lock.tryLock(0);
}
