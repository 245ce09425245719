#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>

#include "archive_folder.h"
#include "archive_search.h"
#include "archive_verify.h"

namespace {

ArchiveEntry Issue(ArchiveKind kind, QDate date, int amount, int32_t partnerId,
                   const QString& partner) {
  ArchiveEntry e;
  e.kind = kind;
  e.date = date;
  e.amount = Money::FromInt(amount);
  e.partnerId = partnerId;
  e.partner = partner;
  e.issuedAt = QDateTime(QDate(2026, 12, 8), QTime(14, 32, 5));
  e.issuer = QStringLiteral("山田");
  return e;
}

class ArchiveTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = ArchiveFolderOf(dir_.filePath(QStringLiteral("さくら商事.TLG")));
    Keep(Issue(ArchiveKind::Invoice, QDate(2026, 11, 30), 128700, 0,
               QStringLiteral("株式会社ひまわり商店")));
    Keep(Issue(ArchiveKind::DeliveryNote, QDate(2026, 11, 5), 13221, 1,
               QStringLiteral("カメヤ商会")));
    Keep(Issue(ArchiveKind::Receipt, QDate(2026, 12, 1), 5000, -1, QStringLiteral("ｶﾒﾔ商会")));
    Keep(Issue(ArchiveKind::Invoice, QDate(2026, 11, 30), 128700, 0,
               QStringLiteral("株式会社ひまわり商店")));
  }
  ArchiveEntry Keep(const ArchiveEntry& e) {
    return KeepIssued(folder_, e,
                      QByteArray("%PDF-") + e.partner.toUtf8() + QByteArray::number(n_++));
  }
  QString Path(const QString& file) const { return QDir(folder_).filePath(file); }

  QTemporaryDir dir_;
  QString folder_;
  int n_ = 0;
};

TEST_F(ArchiveTest, KeepsEachPdfBesideTheDataFileUnderItsOwnNameAndChainsTheEntries) {
  EXPECT_TRUE(folder_.endsWith(QStringLiteral("/さくら商事_発行書類")));
  EXPECT_EQ(QFileInfo(folder_).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
  const std::vector<ArchiveEntry> entries = ReadArchive(folder_);
  ASSERT_EQ(entries.size(), 4u);
  const QString files[] = {"2026/11/20261130_株式会社ひまわり商店_請求書_128700.pdf",
                           "2026/11/20261105_カメヤ商会_納品書_13221.pdf",
                           "2026/12/20261201_ｶﾒﾔ商会_領収書_5000.pdf",
                           "2026/11/20261130_株式会社ひまわり商店_請求書_128700_2.pdf"};
  for (size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(entries[i].seq, static_cast<int>(i) + 1);
    EXPECT_EQ(entries[i].file, files[i]);
    QFile pdf(Path(files[i]));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(entries[i].sha256, Sha256Hex(pdf.readAll()));
  }
  EXPECT_EQ(entries[0].previous, ChainStart());
  EXPECT_EQ(entries[0].issuer, QStringLiteral("山田"));
  EXPECT_EQ(entries[1].amount, Money::FromInt(13221));
  EXPECT_EQ(entries[2].partnerId, -1);
}

TEST_F(ArchiveTest, SearchesByRangesBordersIncludedPartnerAndKindInAnyCombination) {
  const std::vector<ArchiveEntry> entries = ReadArchive(folder_);
  struct Case {
    const char* name;
    ArchiveQuery query;
    std::vector<int> seqs;
  };
  const Case cases[] = {
      {"nothing asked", {}, {1, 2, 3, 4}},
      {"one day, both ends", {QDate(2026, 11, 30), QDate(2026, 11, 30)}, {1, 4}},
      {"from only", {QDate(2026, 12, 1)}, {3}},
      {"amount borders", {{}, {}, Money::FromInt(5000), Money::FromInt(13221)}, {2, 3}},
      {"partner, width and kana folded", {.partner = QStringLiteral("かめや")}, {2, 3}},
      {"kind", {.kind = ArchiveKind::Invoice}, {1, 4}},
      {"date and amount",
       {QDate(2026, 11, 1), QDate(2026, 11, 30), {}, Money::FromInt(20000)},
       {2}},
      {"partner and kind",
       {.partner = QStringLiteral("カメヤ"), .kind = ArchiveKind::Receipt},
       {3}},
      {"nothing matches", {.min = Money::FromInt(200000)}, {}},
  };
  for (const Case& c : cases) {
    std::vector<int> seqs;
    for (const ArchiveEntry& e : SearchArchive(entries, c.query)) seqs.push_back(e.seq);
    EXPECT_EQ(seqs, c.seqs) << c.name;
  }
}

TEST_F(ArchiveTest, VerifyFindsEveryChangeRemovalAndAddition) {
  const ArchiveCheck clean = VerifyArchive(folder_);
  EXPECT_TRUE(clean.intact);
  EXPECT_EQ(clean.message, QStringLiteral("改ざんは見つかりませんでした。（4 件）"));

  const QString index = ArchiveIndexPath(folder_);
  QFile indexFile(index);
  ASSERT_TRUE(indexFile.open(QIODevice::ReadOnly));
  const QByteArray original = indexFile.readAll();
  indexFile.close();
  const QString second = Path(ReadArchive(folder_)[1].file);
  auto write = [](const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
  };
  struct Case {
    const char* name;
    std::function<void()> tamper;
    std::function<void()> undo;
    int entry;
  };
  QByteArray pdf;
  const Case cases[] = {
      {"a changed PDF",
       [&] {
         QFile f(second);
         ASSERT_TRUE(f.open(QIODevice::ReadOnly));
         pdf = f.readAll();
         f.close();
         write(second, pdf + "x");
       },
       [&] { write(second, pdf); }, 2},
      {"a removed PDF",
       [&] {
         QFile f(second);
         ASSERT_TRUE(f.open(QIODevice::ReadOnly));
         pdf = f.readAll();
         f.close();
         QFile::remove(second);
       },
       [&] { write(second, pdf); }, 2},
      {"an edited entry",
       [&] { write(index, QByteArray(original).replace("\"13221\"", "\"13222\"")); },
       [&] { write(index, original); }, 2},
      {"a removed entry",
       [&] {
         QList<QByteArray> lines = original.split('\n');
         lines.removeAt(0);
         write(index, lines.join('\n'));
       },
       [&] { write(index, original); }, 1},
      {"an added PDF", [&] { write(Path("2026/11/extra.pdf"), "%PDF-"); },
       [&] { QFile::remove(Path("2026/11/extra.pdf")); }, 0},
  };
  for (const Case& c : cases) {
    c.tamper();
    const ArchiveCheck check = VerifyArchive(folder_);
    EXPECT_FALSE(check.intact) << c.name;
    EXPECT_EQ(check.brokenEntry, c.entry) << c.name << ": " << check.message.toStdString();
    c.undo();
    EXPECT_TRUE(VerifyArchive(folder_).intact) << c.name;
  }
}

TEST_F(ArchiveTest, ReissueAndCancelAddEntriesAndKeepEveryFile) {
  ArchiveEntry again =
      Issue(ArchiveKind::DeliveryNote, QDate(2026, 11, 5), 13221, 1, QStringLiteral("カメヤ商会"));
  again.status = kReissued;
  again.of = 2;
  EXPECT_EQ(Keep(again).seq, 5);
  ArchiveEntry cancel = ReadArchive(folder_)[0];
  cancel.status = kCancelled;
  cancel.of = 1;
  cancel.file.clear();
  cancel.reason = QStringLiteral("金額訂正のため");
  EXPECT_EQ(AppendEntry(folder_, cancel).seq, 6);
  const std::vector<ArchiveEntry> entries = ReadArchive(folder_);
  ASSERT_EQ(entries.size(), 6u);
  EXPECT_EQ(entries[4].status, kReissued);
  EXPECT_EQ(entries[5].reason, QStringLiteral("金額訂正のため"));
  EXPECT_TRUE(QFile::exists(Path(entries[0].file)));
  EXPECT_TRUE(VerifyArchive(folder_).intact);
}

// An archive that cannot take the entry says why and leaves no new PDF behind.
TEST_F(ArchiveTest, AnEntryThatCannotBeWrittenLeavesNothingNew) {
  const QString blocked = dir_.filePath(QStringLiteral("blocked"));
  ASSERT_TRUE(QDir().mkpath(ArchiveIndexPath(blocked)));  // a folder where the index goes
  try {
    KeepIssued(blocked, Issue(ArchiveKind::Receipt, QDate(2026, 12, 2), 1, -1, "客"), "%PDF-");
    ADD_FAILURE() << "kept without an index";
  } catch (const ArchiveError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("発行した書類を保存できませんでした")));
  }
  EXPECT_FALSE(QFile::exists(QDir(blocked).filePath("2026/12/20261202_客_領収書_1.pdf")));
}

}  // namespace
