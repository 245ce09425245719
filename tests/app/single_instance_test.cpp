#include "single_instance.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRuns) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("app.lock"));
  QLockFile first(path);
  ASSERT_TRUE(AcquireSingleInstance(first));
  QLockFile second(path);
  EXPECT_FALSE(AcquireSingleInstance(second));
  first.unlock();
  EXPECT_TRUE(AcquireSingleInstance(second));
}

TEST(SingleInstance, LockOfACrashedCopyDoesNotBlock) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("app.lock"));
  {
    // What a copy that died leaves behind: the lock file with its (now unused) process id.
    QLockFile crashed(path);
    ASSERT_TRUE(AcquireSingleInstance(crashed));
    QFile::copy(path, path + QStringLiteral(".kept"));
  }
  QFile file(path + QStringLiteral(".kept"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray content = file.readAll();
  content.replace(0, content.indexOf('\n'), "999999999");  // no such process
  file.close();
  QFile lockFile(path);
  ASSERT_TRUE(lockFile.open(QIODevice::WriteOnly));
  lockFile.write(content);
  lockFile.close();
  QLockFile next(path);
  EXPECT_TRUE(AcquireSingleInstance(next));
}

// Another user's copy neither stops this user's nor leaves a lock this user cannot take
// over: the lock lies in a folder of this user alone.
TEST(SingleInstance, LockIsNamedAfterTheWindowTitleInAFolderOfThisUser) {
  const QString path = SingleInstanceLockPath();
  EXPECT_TRUE(path.endsWith(QStringLiteral("/てんぽ帳 販売管理.lock")));
  const QFileInfo folder(QFileInfo(path).absolutePath());
  EXPECT_EQ(folder.ownerId(), getuid());
  EXPECT_FALSE(folder.permissions() & (QFileDevice::WriteGroup | QFileDevice::WriteOther));
}

}  // namespace
