#pragma once

#include <cstdint>

#include "entry_form.h"
#include "payment_list.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class TSsEdit;

// One payment to a supplier or receipt from a customer. The payment list prepares it and
// stores the working record when the window closes with OK; the window itself never
// writes to the document.
class TFormPaymentAdd : public TEntryForm {
  Q_OBJECT

 public:
  explicit TFormPaymentAdd(Document& doc);

  QLabel* LabelDate = nullptr;
  QDateEdit* DateTimePickerNyukin = nullptr;
  QLabel* LabelPrice = nullptr;
  TSsEdit* SsEditPrice = nullptr;
  QLineEdit* EditNote = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  // Mode 0 payments, 1 receipts. A new record of the partner, dated today, amount 0.
  void PrepareNewPayment(int mode, int32_t partnerId);
  // A copy of the mode's record with that id.
  void PrepareEditPayment(int mode, int32_t paymentId);
  const Payment& WorkingPayment() const { return payment_; }

 public slots:
  void FormShow();
  void SsEditPriceChange();
  void SsEditPriceEnter();
  void SsEditPriceExit();

 protected:
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildLayout();
  void SetModeTexts(int mode, bool adding);

  Payment payment_;
};
