#pragma once

#include <QDate>

#include <cstdint>
#include <vector>

#include "claim_list.h"
#include "confirmation_list_report.h"
#include "form.h"

class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;
class QWidget;

// What each partner owes at its closing date in a month: Tag 1 the customers' claims
// (請求書作成), from which an invoice is opened; Tag 0 what the business owes its
// suppliers (取引先別支払一覧).
class TFormClaimList : public TForm {
  Q_OBJECT

 public:
  explicit TFormClaimList(Document& doc);

  QWidget* PanelTop = nullptr;
  QLabel* LabelMonth = nullptr;
  QDateEdit* DateTimePickerMonth = nullptr;
  QPushButton* ButtonPrintList = nullptr;
  QTableWidget* ListViewClaimList = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;

  // The partner id of the row, or -1.
  int32_t PartnerIdAt(int row) const;
  // The rows as computed for the month shown, for the confirmation list.
  const std::vector<ClaimListRow>& Rows() const { return rows_; }
  // What the confirmation list prints: the rows as shown.
  ConfirmationListSnapshot PrintSnapshot() const;

 public slots:
  void FormShow();
  void DateTimePickerMonthChange();
  void ButtonPrintClick();
  void ListViewClaimListDblClick();
  void ButtonPrintListClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  void SetModeTexts();
  void Fill();

  QDate shownMonth_;  // the picker's value when the list was last filled
  std::vector<ClaimListRow> rows_;
};
