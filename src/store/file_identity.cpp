#include "file_identity.h"

#include <sys/stat.h>

#include <QFile>

FileIdentity IdentityOf(const QString& path) {
  struct stat st {};
  if (stat(QFile::encodeName(path).constData(), &st) != 0) return {};
  FileIdentity identity;
  identity.exists = true;
  identity.device = st.st_dev;
  identity.inode = st.st_ino;
  identity.size = st.st_size;
  identity.modifiedNs = qint64(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
  return identity;
}
