#pragma once

#include <QLockFile>
#include <QString>

// Only one copy of the program runs at a time. The lock file is named after the window
// title; the lock of a copy that crashed is recognised by its dead process and taken over,
// so it never blocks the next start.
QString SingleInstanceLockPath();
// True when this process now holds the lock.
bool AcquireSingleInstance(QLockFile& lock);
