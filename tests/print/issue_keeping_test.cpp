#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include "archive_folder.h"
#include "archive_unkept.h"
#include "invoice.h"
#include "issue_keeping.h"
#include "print_fixture.h"
#include "print_hand_off.h"

namespace {

Report IssuedInvoice() {
  InvoiceSnapshot s;
  s.partner = {"", "", "", QStringLiteral("株式会社ひまわり商店"), "", ""};
  s.date = QDate(2026, 11, 30);
  s.rows = {QStringList(8)};
  s.issued = {QStringLiteral("invoice"),
              s.date,
              Money::FromInt(128700),
              3,
              QStringLiteral("株式会社ひまわり商店"),
              QStringLiteral("2026-11"),
              QString()};
  return InvoiceReport(s);
}

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class IssueKeepingTest : public PrintFormsTest {
 protected:
  void SetUp() override {
    PrintFormsTest::SetUp();
    doc_.filePath = dir.filePath(QStringLiteral("shop.TLG"));
    QFile::remove(UnkeptNotesPath());
  }
  void TearDown() override {
    QFile::remove(UnkeptNotesPath());
    PrintFormsTest::TearDown();
  }

  // Prints the invoice to the PDF `name`; true when the printer choice closed.
  bool IssueAs(const QString& name) {
    script_.ChooseSaveFile(dir.filePath(name));
    bool accepted = false;
    script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
      form.ButtonPrint->click();
      accepted = form.result() == QDialog::Accepted && !form.isVisible();
      if (!accepted) form.ButtonCancel->click();
    });
    PrintReport(kReportInvoice, IssuedInvoice());
    return accepted;
  }

  std::vector<ArchiveEntry> Kept() const {
    return ReadArchive(dir.filePath(QStringLiteral("shop_発行書類")));
  }

  QTemporaryDir dir;
};

TEST_F(IssueKeepingTest, EachIssueKeepsTheSamePdfAndAReissueNamesTheFirst) {
  ASSERT_TRUE(IssueAs(QStringLiteral("a.pdf")));
  ASSERT_TRUE(IssueAs(QStringLiteral("b.pdf")));
  const std::vector<ArchiveEntry> kept = Kept();
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].file,
            QStringLiteral("2026/11/20261130_株式会社ひまわり商店_請求書_128700.pdf"));
  EXPECT_EQ(kept[0].status, kIssued);
  EXPECT_EQ(kept[0].partnerId, 3);
  EXPECT_EQ(kept[1].status, kReissued);
  EXPECT_EQ(kept[1].of, 1);
  EXPECT_EQ(Bytes(dir.filePath(QStringLiteral("shop_発行書類/") + kept[0].file)),
            Bytes(dir.filePath(QStringLiteral("a.pdf"))));
  EXPECT_TRUE(script_.Questions().isEmpty());

  // Lists are never kept, nor anything once the file's switch is off.
  script_.ChooseSaveFile(dir.filePath(QStringLiteral("list.pdf")));
  script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) { form.ButtonPrint->click(); });
  PrintReport(kReportPartnerList, Partners(3));
  doc_.keepIssued = false;
  ASSERT_TRUE(IssueAs(QStringLiteral("c.pdf")));
  EXPECT_EQ(Kept().size(), 2u);
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("c.pdf"))));
}

// Sent to a printer, the copy kept is a PDF of the same pages.
TEST_F(IssueKeepingTest, APrintedDocumentIsKeptAsAPdfOfItsPages) {
  UsePrinters({"Office"}, "Office");
  const QString job = dir.filePath(QStringLiteral("job.pdf"));
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.Printer().setOutputFileName(job);  // the job goes to a file instead of a queue
    form.ButtonPrint->click();
  });
  PrintReport(kReportInvoice, IssuedInvoice());
  EXPECT_TRUE(QFile::exists(job));
  const std::vector<ArchiveEntry> kept = Kept();
  ASSERT_EQ(kept.size(), 1u);
  const QByteArray copy = Bytes(dir.filePath(QStringLiteral("shop_発行書類/") + kept[0].file));
  EXPECT_TRUE(copy.startsWith("%PDF-"));
  EXPECT_EQ(Sha256Hex(copy), kept[0].sha256);
}

TEST_F(IssueKeepingTest, ANewDocumentIsSavedFirstOrNothingIsIssued) {
  doc_.filePath.clear();
  script_.AnswerNo();
  script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) {
    form.ButtonPrint->click();
    EXPECT_TRUE(form.isVisible());
    form.ButtonCancel->click();
  });
  PrintReport(kReportInvoice, IssuedInvoice());
  ASSERT_EQ(script_.Questions().size(), 1);
  EXPECT_TRUE(script_.Questions()[0].startsWith(QStringLiteral("発行した書類はデータファイル")));
  EXPECT_TRUE(script_.FileRequests().empty());
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 0);
}

// The archive's folder cannot be made: the user is asked; いいえ issues nothing, はい issues
// the PDF and notes the gap, which reaches the index once the archive can be written.
TEST_F(IssueKeepingTest, AnArchiveThatCannotBeWrittenAsksAndTheGapIsRecordedLater) {
  QFile blocker(dir.filePath(QStringLiteral("shop_発行書類")));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  script_.AnswerNo();
  EXPECT_FALSE(IssueAs(QStringLiteral("no.pdf")));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("no.pdf"))));
  script_.AnswerYes();
  EXPECT_TRUE(IssueAs(QStringLiteral("yes.pdf")));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("yes.pdf"))));
  ASSERT_EQ(script_.Questions().size(), 2);
  EXPECT_TRUE(
      script_.Questions()[1].contains(QStringLiteral("発行した書類を保存できませんでした")));
  EXPECT_TRUE(script_.Questions()[1].endsWith(QStringLiteral("保存せずに発行しますか？")));

  ASSERT_TRUE(QFile::remove(blocker.fileName()));
  ASSERT_TRUE(IssueAs(QStringLiteral("later.pdf")));
  const std::vector<ArchiveEntry> kept = Kept();
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].status, kUnkept);
  EXPECT_TRUE(kept[0].file.isEmpty());
  EXPECT_TRUE(kept[0].reason.contains(QStringLiteral("フォルダを作成できません")));
  EXPECT_EQ(kept[0].amount, Money::FromInt(128700));
  EXPECT_EQ(kept[1].status, kReissued);
  EXPECT_EQ(Bytes(UnkeptNotesPath()), QByteArray());
}

}  // namespace
