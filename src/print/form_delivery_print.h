#pragma once

#include <cstdint>
#include <vector>

#include "delivery_note.h"
#include "form.h"
#include "print_hand_off.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSsEdit;

// The delivery note of one slip ("納品書印刷"): the slip's lines and sums, read-only, with
// the date, number, title, honorific, comment and stamp boxes to change before printing.
// The slip list opens it through PrintDeliveryNote, which sets Tag (the partner kind)
// and calls Prepare.
class TFormDeliveryPrint : public TForm, public DeliveryNotePrinter {
  Q_OBJECT

 public:
  explicit TFormDeliveryPrint(Document& doc);

  // The slip and the partner's position in its list (the slip list's tab).
  void Prepare(int32_t slipId, int partnerIndex) override;

  QDateEdit* DateTimePickerDeliverDate = nullptr;
  QLineEdit* EditTitle = nullptr;
  QLineEdit* EditNo = nullptr;
  QComboBox* ComboBoxNameTitle = nullptr;
  QLineEdit* EditComment = nullptr;
  QCheckBox* CheckBoxTantou = nullptr;
  QCheckBox* CheckBoxKakunin = nullptr;
  QTableWidget* ListViewDeliveryList = nullptr;
  TSsEdit* SsEditSubTotal = nullptr;
  TSsEdit* SsEditTaxTotal = nullptr;
  TSsEdit* SsEditGrandTotal = nullptr;
  QLabel* LabelTaxNotes = nullptr;  // contained tax, per-rate lines, legend as printed
  QPushButton* ButtonPrint = nullptr;

  // What the window shows now, as the note prints it.
  DeliveryNoteSnapshot Snapshot() const;

 public slots:
  void FormShow();
  void ButtonPrintClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Fill(const DeliveryNoteSnapshot& note);

  int32_t slipId_ = 0;
  int partnerIndex_ = 0;
  DeliveryNoteSnapshot shown_;  // the partner, company and line values of the filled slip
};
