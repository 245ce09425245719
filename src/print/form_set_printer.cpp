#include "form_set_printer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPushButton>

#include "app_title.h"
#include "atomic_file.h"
#include "dialogs.h"
#include "file_dialog_start.h"
#include "file_error.h"
#include "file_names.h"
#include "form_controls.h"
#include "form_preview.h"
#include "form_registry.h"
#include "issue_keeping.h"
#include "pdf_output.h"
#include "window_style.h"

TFormSetPrinter::TFormSetPrinter(Document& doc) : TForm(doc), catalog_(InstalledPrinters()) {
  setObjectName(QStringLiteral("FormSetPrinter"));
  setWindowTitle(QStringLiteral("印刷"));
  BuildControls();
  UseA4();
}

void TFormSetPrinter::BuildControls() {
  LabelPrinter = new QLabel(QStringLiteral("プリンタ"), this);
  ComboBoxPrinter = PickList(this, QStringLiteral("ComboBoxPrinter"));
  ButtonSetting = FormButton(this, QStringLiteral("設定"), QStringLiteral("ButtonSetting"));
  ButtonPreview = FormButton(this, QStringLiteral("プレビュー"), QStringLiteral("ButtonPreview"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(LabelPrinter, 0, 0);
  layout->addWidget(ComboBoxPrinter, 0, 1, 1, 2);
  layout->addWidget(ButtonSetting, 0, 3);
  layout->addWidget(ButtonPreview, 1, 1);
  layout->addWidget(ButtonPrint, 1, 2);
  layout->addWidget(ButtonCancel, 1, 3);
  layout->setColumnStretch(1, 1);
  layout->setColumnStretch(2, 1);
  SetFixedWindowStyle(this, {420, 100});
  connect(ComboBoxPrinter, &QComboBox::activated, this, &TFormSetPrinter::ComboBoxPrinterChange);
  connect(ButtonSetting, &QPushButton::clicked, this, &TFormSetPrinter::ButtonSettingClick);
  connect(ButtonPreview, &QPushButton::clicked, this, &TFormSetPrinter::ButtonPreviewClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormSetPrinter::ButtonPrintClick);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSetPrinter::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormSetPrinter::FormShow() {
  const QString current =
      ComboBoxPrinter->count() > 0 ? ComboBoxPrinter->currentText() : catalog_.defaultName();
  ComboBoxPrinter->clear();
  ComboBoxPrinter->addItems(catalog_.names());
  // Always there, so a machine without printers can still write the document.
  ComboBoxPrinter->addItem(PdfEntry());
  SelectEntry(current);
}

void TFormSetPrinter::SelectEntry(const QString& name) {
  int index = ComboBoxPrinter->findText(name);
  if (index < 0) index = ComboBoxPrinter->findText(catalog_.defaultName());
  // Without any printer the PDF entry, the last one, is chosen.
  if (index < 0) index = ComboBoxPrinter->count() - 1;
  ComboBoxPrinter->setCurrentIndex(index);
  ComboBoxPrinterChange(index);
}

bool TFormSetPrinter::PdfChosen() const {
  return ComboBoxPrinter->currentText() == PdfEntry();
}

void TFormSetPrinter::ComboBoxPrinterChange(int /*index*/) {
  if (!PdfChosen()) printer_.setPrinterName(ComboBoxPrinter->currentText());
  ButtonSetting->setEnabled(!PdfChosen());
  UseA4();
}

void TFormSetPrinter::UseA4() {
  // The layouts are for A4 in their own orientation, whatever a driver or its dialog chose.
  printer_.setPageSize(QPageSize(QPageSize::A4));
  printer_.setPageOrientation(report_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

DeviceMetrics TFormSetPrinter::ChosenMetrics() const {
  if (PdfChosen()) return PdfMetrics(report_.landscape);
  return MetricsOf(printer_.pageLayout(), printer_.resolution());
}

void TFormSetPrinter::ButtonSettingClick() {
  if (PdfChosen()) return;
  QPageSetupDialog dialog(&printer_, this);
  if (ShowModal(&dialog) == QDialog::Accepted) {
    UseA4();
    SelectEntry(printer_.printerName());
  }
}

namespace {

PageProgress Steps(Progress& progress) {
  return [&progress](int done, int) { return progress.Step(done); };
}

}  // namespace

void TFormSetPrinter::ButtonPreviewClick() {
  if (report_.pageCount <= 0) return;
  auto* preview = Forms().As<TFormPreview>(FormId::Preview);
  if (preview == nullptr) return;
  std::vector<Page> pages;
  try {
    const auto progress =
        StartProgress(this, QStringLiteral("プレビューを作成しています…"), report_.pageCount);
    pages = DrawReport(report_, ChosenMetrics(), Steps(*progress));
  } catch (const ReportCancelled&) {
    return;
  }
  preview->SetPages(std::move(pages), ChosenMetrics());
  ShowModal(preview);
  preview->SetPages({}, {});
}

void TFormSetPrinter::ButtonPrintClick() {
  if (report_.pageCount <= 0) return;
  const bool keep = KeepsCopy(Doc(), report_);
  if (keep && !ReadyToKeep(Doc())) return;
  const bool done = PdfChosen() ? PrintToPdf(keep) : PrintToPrinter(keep);
  // A failure keeps the window open so the user can choose again.
  if (done) accept();
}

bool TFormSetPrinter::PrintToPdf(bool keep) {
  const QStringList parts =
      report_.nameParts.isEmpty() ? QStringList{report_.jobSuffix.trimmed()} : report_.nameParts;
  const QString path = AskSaveFileName(
      this, PdfEntry(),
      FileDialogStart(Doc().filePath, SuggestedFileName(parts, QStringLiteral("pdf"))),
      QStringLiteral("PDF ファイル (*.pdf)"));
  if (path.isEmpty()) return false;
  try {
    const auto progress =
        StartProgress(this, QStringLiteral("PDF ファイルを作成しています…"), report_.pageCount);
    const QByteArray pdf = RenderPdf(report_, AppTitle() + report_.jobSuffix, Steps(*progress));
    if (keep && !KeepBeforeIssue(Doc(), report_, pdf)) return false;
    WriteFileAtomically(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    return true;
  } catch (const ReportCancelled&) {
    // Nothing was written; the choice stays open.
  } catch (const FileError& e) {
    ShowMessage(QStringLiteral("PDF ファイルを書き込めませんでした。\n") + e.Message());
  } catch (const PrintError&) {
    ShowMessage(QStringLiteral("PDF ファイルを作成できませんでした。"));
  }
  return false;
}

// The copy kept of a printed document: the same pages as a PDF, made by the same layer.
bool TFormSetPrinter::KeepForPrinter() {
  QByteArray pdf;
  try {
    const auto progress =
        StartProgress(this, QStringLiteral("発行した書類を保存しています…"), report_.pageCount);
    pdf = RenderPdf(report_, AppTitle() + report_.jobSuffix, Steps(*progress));
  } catch (const ReportCancelled&) {
    return false;
  } catch (const PrintError&) {
    ShowMessage(QStringLiteral("PDF ファイルを作成できませんでした。"));
    return false;
  }
  return KeepBeforeIssue(Doc(), report_, pdf);
}

bool TFormSetPrinter::PrintToPrinter(bool keep) {
  if (catalog_.takesA4 && !catalog_.takesA4(ComboBoxPrinter->currentText())) {
    ShowMessage(QStringLiteral("このプリンタは A4 用紙に印刷できません。"));
    return false;
  }
  UseA4();
  printer_.setDocName(AppTitle() + report_.jobSuffix);
  QPainter painter;
  if (!painter.begin(&printer_)) {
    ShowMessage(QStringLiteral("プリンタを開けませんでした。"));
    return false;
  }
  if (keep && !KeepForPrinter()) {
    printer_.abort();
    return false;
  }
  const DeviceMetrics metrics = ChosenMetrics();
  const auto progress = StartProgress(this, QStringLiteral("印刷しています…"), report_.pageCount);
  for (int i = 1; i <= report_.pageCount; ++i) {
    if (i > 1 && !printer_.newPage()) {
      printer_.abort();
      ShowMessage(QStringLiteral("次のページを開始できませんでした。印刷を中止しました。"));
      return false;
    }
    PlayPage(report_.draw(metrics, i), painter);
    if (!progress->Step(i)) {
      // The job is dropped, not sent with the pages drawn so far.
      printer_.abort();
      return false;
    }
  }
  if (!painter.end()) {
    ShowMessage(QStringLiteral("印刷を完了できませんでした。"));
    return false;
  }
  return true;
}
