#pragma once

#include <QString>

// Where a file dialog starts: in the open data file's folder, else in the folder last used
// for a data file, else in the home folder; with `name` the file-name field starts with.
QString FileDialogStart(const QString& dataFile, const QString& name);
