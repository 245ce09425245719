#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "invoice.h"
#include "print_fixture.h"
#include "print_hand_off.h"
#include "receipt.h"

namespace {

QStringList Entries(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

}  // namespace

TEST_F(PrintFormsTest, PrinterListIsEveryPrinterPlusPdfWhichIsChosenWithoutPrinters) {
  script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) {
    EXPECT_EQ(Entries(form.ComboBoxPrinter), QStringList{TFormSetPrinter::PdfEntry()});
    EXPECT_EQ(form.ComboBoxPrinter->currentText(), TFormSetPrinter::PdfEntry());
    EXPECT_FALSE(form.ButtonSetting->isEnabled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("印刷"));
    form.ButtonCancel->click();
  });
  PrintReport(kReportPartnerList, Partners(1));
  EXPECT_EQ(SetPrinter().Tag, kReportPartnerList);
}

TEST_F(PrintFormsTest, TheDefaultPrinterIsChosenFirst) {
  UsePrinters({"Office", "Back room"}, "Back room");
  script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) {
    EXPECT_EQ(Entries(form.ComboBoxPrinter),
              (QStringList{"Office", "Back room", TFormSetPrinter::PdfEntry()}));
    EXPECT_EQ(form.ComboBoxPrinter->currentText(), "Back room");
    EXPECT_TRUE(form.ButtonSetting->isEnabled());
    form.ButtonCancel->click();
  });
  PrintReport(kReportPartnerList, Partners(1));
}

TEST_F(PrintFormsTest, ADocumentWithoutRowsNeverReachesThePrinterChoice) {
  PrintReport(kReportPartnerList, Partners(0));
  EXPECT_EQ(script_.Messages(), QStringList{QStringLiteral("印刷対象がありません。")});
  EXPECT_TRUE(script_.ModalWindows().isEmpty());
}

TEST_F(PrintFormsTest, PdfIsWrittenAndClosesTheWindow) {
  QTemporaryDir dir;
  const QString path = dir.filePath("partners.pdf");
  script_.ChooseSaveFile(path);
  bool accepted = false;
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.ButtonPrint->click();
    accepted = form.result() == QDialog::Accepted && !form.isVisible();
  });
  PrintReport(kReportPartnerList, Partners(40));
  EXPECT_TRUE(accepted);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5) == "%PDF-");
  EXPECT_TRUE(script_.Messages().isEmpty());
}

// The PDF is suggested beside the data file under the document's own name; a name part no
// file name may hold is made safe.
TEST_F(PrintFormsTest, ThePdfDialogStartsByTheDataFileWithTheDocumentsName) {
  QTemporaryDir dir;
  doc_.filePath = dir.filePath(QStringLiteral("shop.TLG"));
  InvoiceSnapshot invoice;
  invoice.partner = {"", "", "", QStringLiteral("株式会社ひまわり商店"), "", ""};
  invoice.date = QDate(2026, 11, 30);
  invoice.rows = {QStringList(8)};
  ReceiptSnapshot receipt;
  receipt.customer = QStringLiteral("A/B 商会");
  receipt.date = QDate(2026, 12, 1);
  const std::pair<Report, QString> cases[] = {
      {InvoiceReport(invoice), QStringLiteral("請求書_株式会社ひまわり商店_2026年11月.pdf")},
      {ReceiptReport(receipt), QStringLiteral("領収書_A_B 商会_20261201.pdf")},
      {Partners(1), QStringLiteral("出荷先一覧.pdf")}};
  for (const auto& [report, name] : cases) {
    script_.ChooseSaveFile(QString());
    script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) {
      form.ButtonPrint->click();
      form.ButtonCancel->click();
    });
    PrintReport(kReportInvoice, report);
    EXPECT_EQ(script_.FileRequests().back().dir, dir.filePath(name));
  }
}

TEST_F(PrintFormsTest, AFailedOrCancelledPdfKeepsThePrinterChoiceOpen) {
  QTemporaryDir dir;
  script_.ChooseSaveFile(QString());  // cancelled
  script_.ChooseSaveFile(dir.filePath("missing/partners.pdf"));
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.ButtonPrint->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(script_.Messages().isEmpty());
    form.ButtonPrint->click();
    EXPECT_TRUE(form.isVisible());
    ASSERT_EQ(script_.Messages().size(), 1);
    EXPECT_TRUE(
        script_.Messages()[0].startsWith(QStringLiteral("PDF ファイルを書き込めませんでした。")));
    form.ButtonCancel->click();
  });
  PrintReport(kReportPartnerList, Partners(1));
  EXPECT_FALSE(QFile::exists(dir.filePath("missing/partners.pdf")));
}

TEST_F(PrintFormsTest, APrinterThatCannotTakeA4IsToldBeforePrinting) {
  UsePrinters({"Label"}, "Label");
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.ButtonPrint->click();
    EXPECT_TRUE(form.isVisible());
    form.ButtonCancel->click();
  });
  PrintReport(kReportPartnerList, Partners(1));
  EXPECT_EQ(script_.Messages(),
            QStringList{QStringLiteral("このプリンタは A4 用紙に印刷できません。")});
}

TEST_F(PrintFormsTest, PreviewDrawsThePagesForThePrinterChosenAtThatMoment) {
  UsePrinters({"Office"}, "Office");
  QSize printerPage;
  QSize pdfPage;
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.ButtonPreviewClick();
    Pick(form.ComboBoxPrinter, TFormSetPrinter::PdfEntry());
    form.ButtonPreviewClick();
    // Still open after the previews, for printing next.
    EXPECT_TRUE(form.isVisible());
    form.ButtonCancel->click();
  });
  script_.ExpectModal<TFormPreview>([&](TFormPreview& preview) {
    printerPage = QSize(SetPrinter().ChosenMetrics().width, SetPrinter().ChosenMetrics().height);
    EXPECT_EQ(preview.PageCount(), 2);
    preview.reject();
  });
  script_.ExpectModal<TFormPreview>([&](TFormPreview& preview) {
    pdfPage = QSize(SetPrinter().ChosenMetrics().width, SetPrinter().ChosenMetrics().height);
    EXPECT_EQ(preview.PageCount(), 2);
    preview.reject();
  });
  PrintReport(kReportPartnerList, Partners(36));
  const DeviceMetrics pdf = PdfMetrics();
  EXPECT_EQ(pdfPage, QSize(pdf.width, pdf.height));
  EXPECT_NE(printerPage, pdfPage);
  // The preview holds no pages once closed.
  EXPECT_EQ(Preview().PageCount(), 0);
}

// Long work shows its progress page by page; a cancelled PDF writes nothing and keeps the
// choice open, a cancelled preview shows nothing.
TEST_F(PrintFormsTest, ProgressCountsThePagesAndACancelLeavesNothing) {
  QTemporaryDir dir;
  const QString path = dir.filePath("partners.pdf");
  script_.ChooseSaveFile(path);
  script_.CancelProgressAt(2);
  script_.CancelProgressAt(1);
  script_.ChooseSaveFile(path);
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& form) {
    form.ButtonPrint->click();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(QFile::exists(path));
    form.ButtonPreview->click();  // cancelled: no preview window
    form.ButtonPrint->click();
  });
  PrintReport(kReportPartnerList, Partners(35 * 2 + 1));
  EXPECT_EQ(script_.ModalWindows(), QStringList{"TFormSetPrinter"});
  EXPECT_TRUE(script_.Messages().isEmpty());
  EXPECT_TRUE(QFile::exists(path));
  const auto& runs = script_.Progresses();
  ASSERT_EQ(runs.size(), 3u);
  const QString texts[] = {"PDF ファイルを作成しています…", "プレビューを作成しています…",
                           "PDF ファイルを作成しています…"};
  const int done[] = {2, 1, 3};
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(runs[i].text, texts[i]);
    EXPECT_EQ(runs[i].steps, 3);
    EXPECT_EQ(runs[i].done, done[i]);
  }
}
