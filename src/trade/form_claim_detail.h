#pragma once

#include <cstdint>

#include "claim_detail.h"
#include "form.h"
#include "invoice.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSsEdit;

// The invoice of one customer for one month: the period's slip lines and receipts, the
// seven invoice figures and the print options. The claim list sets Tag, the partner and
// the month before showing it; every showing recomputes everything from the document.
class TFormClaimDetail : public TForm {
  Q_OBJECT

 public:
  explicit TFormClaimDetail(Document& doc);

  TSsEdit* SsEditZengetsu = nullptr;
  TSsEdit* SsEditNyukin = nullptr;
  TSsEdit* SsEditKurikoshi = nullptr;
  TSsEdit* SsEditUriage = nullptr;
  TSsEdit* SsEditTax = nullptr;
  TSsEdit* SsEditKongetsu = nullptr;
  TSsEdit* SsEditSeikyu = nullptr;
  // The tax lines the invoice prints besides the figures: contained tax, per rate, legend.
  QLabel* LabelTaxNotes = nullptr;
  QDateEdit* DateTimePickerClaimDate = nullptr;
  QComboBox* ComboBoxTitle = nullptr;
  QLineEdit* EditNo = nullptr;
  QComboBox* ComboBoxNameTitle = nullptr;
  QCheckBox* CheckBoxBank = nullptr;
  QLineEdit* EditBank = nullptr;
  QCheckBox* CheckBoxTantou = nullptr;
  QCheckBox* CheckBoxKakunin = nullptr;
  QTableWidget* ListViewClaimDetail = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;

  // The partner (by id) and the month (any date of it) of the next showing.
  void SetClaim(int32_t partnerId, double month);
  // What the window shows, for the printed invoice.
  const ClaimDetail& Detail() const { return detail_; }
  // What the invoice prints: the window as it stands.
  InvoiceSnapshot PrintSnapshot() const;

 public slots:
  void FormShow();
  void ButtonPrintClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildFigures();
  void BuildOptions();
  void BuildLayout();
  void ShowFigures();
  void ShowRows();

  int32_t partnerId_ = -1;
  double month_ = 0;
  ClaimDetail detail_;
};
