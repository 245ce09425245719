#pragma once

#include <QPrinter>

#include "device_metrics.h"
#include "form.h"
#include "print_hand_off.h"
#include "printer_catalog.h"
#include "report.h"

class QComboBox;
class QLabel;
class QPushButton;

// The printer choice ("印刷"): every installed printer plus "PDF に出力", the printer's
// setup, the preview, and printing the report handed over with its kind in Tag.
class TFormSetPrinter : public TForm, public ReportPrinter {
  Q_OBJECT

 public:
  explicit TFormSetPrinter(Document& doc);

  static QString PdfEntry() { return QStringLiteral("PDF に出力"); }

  QLabel* LabelPrinter = nullptr;
  QComboBox* ComboBoxPrinter = nullptr;
  QPushButton* ButtonSetting = nullptr;
  QPushButton* ButtonPreview = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonCancel = nullptr;

  void SetReport(Report report) override {
    report_ = std::move(report);
    UseA4();
  }
  const Report& CurrentReport() const { return report_; }
  void SetCatalog(PrinterCatalog catalog) { catalog_ = std::move(catalog); }
  bool PdfChosen() const;
  // The device the pages are laid out for: the chosen printer, or the PDF page.
  DeviceMetrics ChosenMetrics() const;
  QPrinter& Printer() { return printer_; }

 public slots:
  void FormShow();
  void ComboBoxPrinterChange(int index);
  void ButtonSettingClick();
  void ButtonPreviewClick();
  void ButtonPrintClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void SelectEntry(const QString& name);
  void UseA4();
  // `keep`: the document is kept in the archive before it goes out.
  bool PrintToPrinter(bool keep);
  bool PrintToPdf(bool keep);
  bool KeepForPrinter();

  Report report_;
  PrinterCatalog catalog_;
  QPrinter printer_{QPrinter::HighResolution};
};
