#include "config.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char kKey[] = "CONF/USEBACKUP";
const char kKeepKey[] = "CONF/BACKUPKEEP";
const char kFolderKey[] = "FILEDIALOG/FOLDER";

}  // namespace

QString ConfigFolder() {
  const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  const QString folder = base + QStringLiteral("/Tsukue/TENPOLEDGER");
  QDir().mkpath(folder);
  return folder;
}

QString ConfigFilePath() {
  return ConfigFolder() + QStringLiteral("/TENPOLEDGER.ini");
}

QString BackupFolder() {
  return ConfigFolder() + QStringLiteral("/BackUp");
}

bool ReadBackupSwitch() {
  const QString path = ConfigFilePath();
  if (!QFileInfo::exists(path)) WriteBackupSwitch(true);
  const QSettings settings(path, QSettings::IniFormat);
  bool ok = false;
  const int value = settings.value(kKey).toString().trimmed().toInt(&ok);
  return !ok || value != 0;
}

void WriteBackupSwitch(bool on) {
  QSettings settings(ConfigFilePath(), QSettings::IniFormat);
  settings.setValue(kKey, on ? 1 : 0);
  settings.sync();
}

bool ReadBackupKeepAll() {
  const QSettings settings(ConfigFilePath(), QSettings::IniFormat);
  bool ok = false;
  const int value = settings.value(kKeepKey).toString().trimmed().toInt(&ok);
  return ok && value != 0;
}

void WriteBackupKeepAll(bool keepAll) {
  QSettings settings(ConfigFilePath(), QSettings::IniFormat);
  settings.setValue(kKeepKey, keepAll ? 1 : 0);
  settings.sync();
}

QString ReadLastFolder() {
  return QSettings(ConfigFilePath(), QSettings::IniFormat).value(kFolderKey).toString();
}

void WriteLastFolder(const QString& folder) {
  QSettings settings(ConfigFilePath(), QSettings::IniFormat);
  settings.setValue(kFolderKey, folder);
  settings.sync();
}
