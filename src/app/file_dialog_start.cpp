#include "file_dialog_start.h"

#include <QDir>
#include <QFileInfo>

#include "config.h"

QString FileDialogStart(const QString& dataFile, const QString& name) {
  QString folder = dataFile.isEmpty() ? ReadLastFolder() : QFileInfo(dataFile).absolutePath();
  if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
  return QDir(folder).filePath(name);
}
