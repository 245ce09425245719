#pragma once

#include <QString>

// The configuration folder Tsukue/TENPOLEDGER under the user's data folder
// ($XDG_DATA_HOME, usually ~/.local/share); the whole path is created when missing.
QString ConfigFolder();
// TENPOLEDGER.ini in the configuration folder: section CONF, keys USEBACKUP and BACKUPKEEP.
QString ConfigFilePath();
// BackUp in the configuration folder: the time-stamped copies written by Save.
QString BackupFolder();

// USEBACKUP, default on; a missing file is created with it on, a value that is not an
// integer reads as on.
bool ReadBackupSwitch();
void WriteBackupSwitch(bool on);

// BACKUPKEEP: 1 keeps every copy; 0 (also missing or not an integer) lets Save thin them
// out. Any other integer keeps everything too: deleting is the step that cannot be undone.
bool ReadBackupKeepAll();
void WriteBackupKeepAll(bool keepAll);

// The folder the file dialogs last opened or saved in (section FILEDIALOG, key FOLDER);
// empty when none was kept.
QString ReadLastFolder();
void WriteLastFolder(const QString& folder);
