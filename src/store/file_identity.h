#pragma once

#include <QString>
#include <QtGlobal>

// What a file on disk is: compared before a save to notice that another program or
// computer replaced or changed it since it was opened or last saved.
struct FileIdentity {
  bool exists = false;
  quint64 device = 0, inode = 0;
  qint64 size = 0, modifiedNs = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// Follows symbolic links; a file that cannot be looked at counts as missing.
FileIdentity IdentityOf(const QString& path);
