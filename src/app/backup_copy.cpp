#include "backup_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "backup_thinning.h"
#include "config.h"
#include "data_file.h"

QString BackupPath(const QString& folder, const QString& dataPath, const QDateTime& when) {
  const QString stamp = when.toString(QStringLiteral("yyyy-MM-dd HHmmss"));
  const QString name = QFileInfo(dataPath).fileName();
  QString path = folder + QLatin1Char('/') + stamp + QLatin1Char(' ') + name;
  for (int n = 2; QFileInfo::exists(path); ++n) {
    path = folder + QLatin1Char('/') + stamp + QLatin1Char('-') + QString::number(n) +
           QLatin1Char(' ') + name;
  }
  return path;
}

void WriteBackup(const Document& doc, const QString& dataPath, const QDateTime& when) {
  const QString folder = BackupFolder();
  QDir().mkpath(folder);
  const QString path = BackupPath(folder, dataPath, when);
  SaveDocument(doc, path);
  QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser |
                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);
  if (!ReadBackupKeepAll()) ThinBackups(folder, QFileInfo(dataPath).fileName(), when);
}
