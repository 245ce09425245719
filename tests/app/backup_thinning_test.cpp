#include "backup_thinning.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "backup_copy.h"
#include "config.h"
#include "document.h"

namespace {

const QDateTime kNow(QDate(2024, 6, 15), QTime(12, 0, 0));

QStringList Sorted(QStringList names) {
  names.sort();
  return names;
}

TEST(BackupThinning, KeepsAWeekWholeThenTheLastOfEachDayThenOfEachMonth) {
  struct Copy {
    const char* name;
    bool deleted;
  };
  const std::vector<std::vector<Copy>> folders = {
      {
          // The last 7 days, several a day and the -2 of one second.
          {"2024-06-15 115959 shop.TLG", false},
          {"2024-06-14 090000 shop.TLG", false},
          {"2024-06-14 090000-2 shop.TLG", false},
          {"2024-06-08 120000 shop.TLG",
           false},  // exactly 7 days ago
                    // Older than that: the last of each day, as far as it is older.
          {"2024-06-08 115959 shop.TLG", false},
          {"2024-06-08 080000 shop.TLG", true},
          {"2024-06-07 090000 shop.TLG", true},
          {"2024-06-07 180000 shop.TLG", true},
          {"2024-06-07 235959 shop.TLG", false},
          {"2024-06-01 100000 shop.TLG", true},
          {"2024-06-01 100000-2 shop.TLG", true},
          {"2024-06-01 100000-9 shop.TLG", true},
          {"2024-06-01 100000-10 shop.TLG", false},
          {"2024-05-31 235959 shop.TLG", false},
          {"2024-03-15 120000 shop.TLG", false},  // exactly three months ago
                                                  // Older still: the last of each month.
          {"2024-03-15 115959 shop.TLG", false},
          {"2024-03-02 100000 shop.TLG", true},
          {"2024-02-01 000000 shop.TLG", false},
          {"2024-01-03 100000 shop.TLG", true},
          {"2024-01-17 100000 shop.TLG", true},
          {"2024-01-31 230000 shop.TLG", false},
          {"2023-12-01 000000 shop.TLG", true},
          {"2023-12-31 235959 shop.TLG", false},
          {"2023-01-15 100000 shop.TLG", false},  // January of another year
                                                  // Not copies of shop.TLG.
          {"2024-01-04 100000 other.TLG", false},
          {"2024-01-05 100000 other.TLG", false},
          {"2024-01-05 100000 big shop.TLG", false},
          {"2024-01-05 100000  shop.TLG", false},
          {"2024-01-06 100000 shop.TLG.bak", false},
          {"2024-01-07 100000-1 shop.TLG", false},
          {"2024-01-07 100000-02 shop.TLG", false},
          {"2024-01-08 1000 shop.TLG", false},
          {"2024-02-30 100000 shop.TLG", false},
          {"shop.TLG", false},
          {"notes.txt", false},
      },
      // A single very old copy is the newest.
      {{"2019-05-05 050505 shop.TLG", false}},
      // Only old copies: the newest is the last of its month, the other goes.
      {{"2020-01-01 000000 shop.TLG", true}, {"2020-01-15 000000 shop.TLG", false}},
      // Copies after now (the clock was set back) are not old.
      {{"2024-07-01 090000 shop.TLG", false}, {"2024-07-01 100000 shop.TLG", false}},
  };
  for (const std::vector<Copy>& folder : folders) {
    SCOPED_TRACE(folder.front().name);
    std::vector<BackupCopy> copies;
    QStringList expected;
    for (const Copy& c : folder) {
      const QString name = QString::fromUtf8(c.name);
      if (std::optional<BackupCopy> copy = ParseBackupName(name, QStringLiteral("shop.TLG"))) {
        copies.push_back(*copy);
      }
      if (c.deleted) expected.append(name);
    }
    std::reverse(copies.begin(), copies.end());  // the order found must not matter
    EXPECT_EQ(Sorted(CopiesToThin(copies, kNow)), Sorted(expected));
  }
}

// Points the configuration at a folder of its own for the test's lifetime.
class ConfigHome {
 public:
  ConfigHome() : old_(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", home_.path().toUtf8()); }
  ~ConfigHome() { qputenv("XDG_DATA_HOME", old_); }

 private:
  QTemporaryDir home_;
  QByteArray old_;
};

void WriteFile(const QString& path, const QByteArray& bytes = "x") {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

TEST(BackupThinning, SavingABackupThinsThatFilesCopiesUnlessAllAreKept) {
  struct Case {
    QByteArray keepLine;
    bool thinned;
  };
  const std::vector<Case> cases = {
      {"", true}, {"BACKUPKEEP=0\n", true}, {"BACKUPKEEP=yes\n", true}, {"BACKUPKEEP=1\n", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keepLine.toStdString());
    const ConfigHome home;
    WriteFile(ConfigFilePath(), "[CONF]\nUSEBACKUP=1\n" + c.keepLine);
    const QDir folder(BackupFolder());
    ASSERT_TRUE(folder.mkpath(QStringLiteral("2024-01-31 200000 shop.TLG")));
    WriteFile(folder.filePath(QStringLiteral("2024-01-31 200000 shop.TLG/inside")));
    const QStringList before = {
        QStringLiteral("2024-01-31 200000 shop.TLG"),  // a folder, the last of January by name
        QStringLiteral("2024-01-03 100000 shop.TLG"),
        QStringLiteral("2024-01-31 100000 shop.TLG"),
        QStringLiteral("2024-01-03 100000 other.TLG"),
        QStringLiteral("2024-01-04 100000 other.TLG"),
        QStringLiteral("notes.txt")};
    for (const QString& name : before.mid(1)) {
      WriteFile(folder.filePath(name));
      QFile::setPermissions(folder.filePath(name), QFileDevice::ReadOwner);  // as copies are
    }
    Document doc;
    ResetDocument(doc);

    WriteBackup(doc, QStringLiteral("/elsewhere/shop.TLG"), kNow);

    QStringList expected = before;
    expected.append(QStringLiteral("2024-06-15 120000 shop.TLG"));
    if (c.thinned) expected.removeOne(QStringLiteral("2024-01-03 100000 shop.TLG"));
    EXPECT_EQ(Sorted(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)), Sorted(expected));
  }
}

}  // namespace
