#pragma once

#include <array>

#include "form.h"
#include "receipt.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;
class TSsEdit;

// A receipt filled in by hand ("領収書印刷"), printed with its office copy below. Nothing
// comes from slips or payments; the customer names are offered for picking.
class TFormReceiptPrint : public TForm {
  Q_OBJECT

 public:
  explicit TFormReceiptPrint(Document& doc);

  QComboBox* ComboBoxCustomer = nullptr;
  QComboBox* ComboBoxNameTitle = nullptr;
  QComboBox* ComboBoxTitle = nullptr;
  QLineEdit* EditNo = nullptr;
  TSsEdit* SsEditPrice = nullptr;
  QDateEdit* DateTimePickerReceiptDate = nullptr;
  QLineEdit* EditTadashi = nullptr;
  QCheckBox* CheckBoxTadashi = nullptr;
  std::array<QComboBox*, 4> ComboBoxUchiwake{};
  std::array<TSsEdit*, 4> SsEditUchiwake{};
  QCheckBox* CheckBoxTantou = nullptr;
  QCheckBox* CheckBoxInshi = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;

  // What the window holds now, as the receipt prints it.
  ReceiptSnapshot Snapshot() const;

 public slots:
  void FormShow();
  void ButtonPrintClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildBreakdown();
  void BuildLayout();
  void WatchPrice();
  void WatchBreakdown(TSsEdit* edit);
};
