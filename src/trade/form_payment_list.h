#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "form.h"
#include "list_window_pattern.h"

class QLabel;
class QPushButton;
class QTabBar;
class QTableWidget;
class QWidget;
class TFormPaymentAdd;

// The payments to one supplier (Tag 0) or receipts from one customer (Tag 1) at a time,
// one tab per partner: the partner's terms, its opening receipt balance as the fixed first
// row, then its records oldest first. The opener sets Tag and the caption.
class TFormPaymentList : public TForm {
  Q_OBJECT

 public:
  explicit TFormPaymentList(Document& doc);

  QWidget* PanelTop = nullptr;
  QPushButton* ButtonAddPayment = nullptr;
  QPushButton* ButtonEditPayment = nullptr;
  QPushButton* ButtonDelPayment = nullptr;
  QPushButton* ButtonOk = nullptr;
  QTabBar* TabControlCustomerList = nullptr;
  QLabel* LabelPeriod = nullptr;
  QTableWidget* ListViewPaymentList = nullptr;

  // The record id of the row; -1 for the opening balance row or no row.
  int32_t PaymentIdAt(int row) const;

 public slots:
  void FormShow();
  void TabControlCustomerListChange();
  void ButtonAddPaymentClick();
  void ButtonEditPaymentClick();
  void ButtonDelPaymentClick();
  void ListViewPaymentListDblClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void SetModeTexts();
  ListActions Actions();
  void Fill();
  bool AddPayment();
  bool EditPayment(int row);
  int RowOfPayment(int32_t paymentId) const;
  std::optional<int32_t> PartnerId() const;
  TFormPaymentAdd* Entry() const;

  int32_t storedPayment_ = -1;  // the record just added or changed, selected after the refill
  std::unique_ptr<ListWindowPattern> pattern_;
};
