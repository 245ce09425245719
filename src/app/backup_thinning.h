#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// One backup copy of a data file, as its name tells it.
struct BackupCopy {
  QString fileName;
  QDateTime time;  // local time, to the second
  int number = 1;  // 2, 3, … for the later saves within the same second
};

// The copy of the data file named `dataName` that `fileName` is, when it is a name that
// BackupPath gives ("yyyy-MM-dd HHmmss NAME" or "yyyy-MM-dd HHmmss-N NAME"); nothing for
// any other name, including the copies of other data files.
std::optional<BackupCopy> ParseBackupName(const QString& fileName, const QString& dataName);

// The names of the copies to delete at `now`: every copy of the last 7 days stays; of the
// older ones back to three months the last of each day, before that the last of each
// month. The newest copy always stays.
QStringList CopiesToThin(std::vector<BackupCopy> copies, const QDateTime& now);

// Deletes from `folder` the copies of `dataName` that CopiesToThin names. Nothing else is
// touched, and nothing fails: a copy that will not go simply stays.
void ThinBackups(const QString& folder, const QString& dataName, const QDateTime& now);
