#pragma once

#include <QDateTime>
#include <QString>

#include "document.h"

// The name of the backup copy of a data file saved at `when`: "yyyy-MM-dd HHmmss " and
// the file's own name, in `folder`. A second save within the same second gets a name of
// its own ("yyyy-MM-dd HHmmss-2 ..."), so no earlier copy is ever overwritten.
QString BackupPath(const QString& folder, const QString& dataPath, const QDateTime& when);

// Saves the document once more as a read-only copy in the backup folder (created when
// missing), then thins out the file's older copies with `when` as the time now, unless the
// configuration keeps them all. Throws FileError when the copy cannot be written.
void WriteBackup(const Document& doc, const QString& dataPath, const QDateTime& when);
