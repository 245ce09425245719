#pragma once

#include <QString>

// The configuration folder Tsukue/TENPOLEDGER under the user's data folder
// ($XDG_DATA_HOME, usually ~/.local/share); the whole path is created when missing.
QString ConfigFolder();
// TENPOLEDGER.ini in the configuration folder: section CONF, key USEBACKUP (1 / 0).
QString ConfigFilePath();
// BackUp in the configuration folder: the time-stamped copies written by Save.
QString BackupFolder();

// USEBACKUP, default on; a missing file is created with it on, a value that is not an
// integer reads as on.
bool ReadBackupSwitch();
void WriteBackupSwitch(bool on);

// The folder the file dialogs last opened or saved in (section FILEDIALOG, key FOLDER);
// empty when none was kept.
QString ReadLastFolder();
void WriteLastFolder(const QString& folder);
