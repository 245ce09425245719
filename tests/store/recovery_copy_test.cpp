#include "recovery_copy.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "atomic_file.h"
#include "data_file.h"

namespace {

const std::string kCompany = "\x82\xB3\x82\xAD\x82\xE7\x8F\xA4\x8E\x96";  // さくら商事 in CP932

Document Sample(const char* password = "") {
  Document doc;
  doc.company.name = kCompany;
  doc.items.Add("A-1", kCompany, "", "", "100", "60", "", "", 0, 0, 0, 0);
  doc.usePassword = *password != 0;
  doc.password = password;
  return doc;
}

class RecoveryCopyTest : public testing::Test {
 protected:
  QString Folder() const { return dir_.filePath(QStringLiteral("Recovery")); }
  QString Original() const { return dir_.filePath(QStringLiteral("さくら商事.TLG")); }

  QTemporaryDir dir_;
};

// The copy is the data file of the document, found again by the file it belongs to, and
// a protected document's copy holds nothing readable.
TEST_F(RecoveryCopyTest, ACopyIsFoundByItsFileAndKeepsAProtectedDocumentEnciphered) {
  const QDateTime when(QDate(2026, 12, 8), QTime(14, 32, 5));
  for (const char* password : {"", "secret"}) {
    SCOPED_TRACE(password);
    {
      RecoveryWriter writer(Folder());
      writer.Write(Sample(password), Original(), RecoveryKey(Original()), when);
      writer.Flush();
      EXPECT_TRUE(writer.LastError().isEmpty());
    }
    const std::optional<RecoveryCopy> copy = RecoveryCopyFor(Folder(), Original());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->originalPath, Original());
    EXPECT_EQ(copy->written, when);
    const std::string bytes = ReadWholeFile(copy->dataPath);
    EXPECT_EQ(bytes, SerializeDocument(Sample(password)));
    const bool plain = *password == 0;
    EXPECT_EQ(bytes.find(kCompany) != std::string::npos, plain);
    // Not the name either, in any file of the folder.
    for (const QFileInfo& file : QDir(Folder()).entryInfoList(QDir::Files)) {
      EXPECT_EQ(ReadWholeFile(file.filePath()).find("さくら"), std::string::npos);
    }
  }
  EXPECT_EQ(ListRecoveryCopies(Folder()).size(), 1u);  // one copy per file, replaced
}

// Removing right after a write, even one still in flight, leaves nothing behind.
TEST_F(RecoveryCopyTest, RemoveWinsOverAWriteInFlight) {
  RecoveryWriter writer(Folder());
  const QString key = RecoveryKey(Original());
  for (int i = 0; i < 20; ++i) {
    writer.Write(Sample(), Original(), key, QDateTime::currentDateTime());
    writer.Remove(key);
    writer.Flush();
    ASSERT_TRUE(ListRecoveryCopies(Folder()).empty()) << "round " << i;
  }
}

TEST_F(RecoveryCopyTest, SetAsideCopiesAreNamedAfterTheirFileAndKeptThirtyDays) {
  {
    RecoveryWriter writer(Folder());
    writer.Write(Sample(), Original(), RecoveryKey(Original()),
                 QDateTime(QDate(2026, 12, 8), QTime(14, 32, 5)));
    writer.Write(Sample(), QString(), NewDocumentKey(), QDateTime::currentDateTime());
    writer.Flush();
  }
  const std::optional<RecoveryCopy> copy = RecoveryCopyFor(Folder(), Original());
  ASSERT_TRUE(copy);
  const QString where = SetAside(*copy, Folder());
  EXPECT_EQ(QFileInfo(where).fileName(), QStringLiteral("さくら商事 2026-12-08 143205.TLG"));
  EXPECT_EQ(ReadWholeFile(where), SerializeDocument(Sample()));
  EXPECT_FALSE(RecoveryCopyFor(Folder(), Original()));
  ASSERT_EQ(ListRecoveryCopies(Folder()).size(), 1u);  // the new document's copy stays
  EXPECT_TRUE(ListRecoveryCopies(Folder())[0].originalPath.isEmpty());

  const QDateTime now = QDateTime::currentDateTime();
  RemoveOldSetAside(Folder(), now.addDays(kSetAsideDays));
  EXPECT_TRUE(QFileInfo::exists(where));
  RemoveOldSetAside(Folder(), now.addDays(kSetAsideDays + 1));
  EXPECT_FALSE(QFileInfo::exists(where));
}

TEST_F(RecoveryCopyTest, ACopyIsNewerOnlyThanAFileWrittenBeforeIt) {
  const QDateTime copyTime = QDateTime::currentDateTime();
  RecoveryCopy copy{QString(), Original(), copyTime};
  EXPECT_TRUE(IsNewerThanItsFile(copy));  // the file is gone
  WriteFileAtomically(Original(), SerializeDocument(Sample()));
  QFile file(Original());
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  ASSERT_TRUE(file.setFileTime(copyTime.addSecs(-60), QFileDevice::FileModificationTime));
  EXPECT_TRUE(IsNewerThanItsFile(copy));
  ASSERT_TRUE(file.setFileTime(copyTime.addSecs(60), QFileDevice::FileModificationTime));
  EXPECT_FALSE(IsNewerThanItsFile(copy));
}

TEST(RecoveryDelay, AFewSecondsAfterAChangeButAtMostOneCopyAMinute) {
  const QDateTime now(QDate(2026, 12, 8), QTime(14, 0));
  struct Case {
    std::optional<QDateTime> last;
    qint64 delay;
  } const cases[] = {
      {std::nullopt, 3'000},
      {now.addSecs(-10), 50'000},
      {now.addSecs(-58), 3'000},
      {now.addSecs(-600), 3'000},
  };
  for (const Case& c : cases) EXPECT_EQ(RecoveryDelayMs(c.last, now), c.delay);
}

}  // namespace
