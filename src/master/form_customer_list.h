#pragma once

#include <memory>

#include "form.h"
#include "list_window_pattern.h"

class CustomerList;
class QPushButton;
class QTableWidget;
class TFindBar;
class TFormCustomerAdd;

// The trading partners of one kind, by Tag: 0 suppliers, 1 customers. The opener sets
// Tag and the caption before showing it.
class TFormCustomerList : public TForm {
  Q_OBJECT

 public:
  explicit TFormCustomerList(Document& doc);

  QTableWidget* ListViewCustomerList = nullptr;
  TFindBar* FindBar = nullptr;
  QPushButton* ButtonIndexUp = nullptr;
  QPushButton* ButtonIndexDown = nullptr;
  QPushButton* ButtonDeleteCustomer = nullptr;
  QPushButton* ButtonEditCustomer = nullptr;
  QPushButton* ButtonAddCustomer = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonImportCsv = nullptr;
  QPushButton* ButtonOk = nullptr;

 public slots:
  void FormShow();
  void ButtonAddCustomerClick();
  void ButtonEditCustomerClick();
  void ButtonDeleteCustomerClick();
  void ButtonIndexUpClick();
  void ButtonIndexDownClick();
  void ListViewCustomerListDblClick();
  void ButtonPrintClick();
  void ButtonImportCsvClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  void Connect();
  ListActions Actions();
  void Fill();
  bool AddPartner();
  bool ChangePartner(int row);
  CustomerList& Partners();
  // Why the partner of the row may not be deleted, or an empty text.
  QString WhyNotDeletable(int row) const;
  TFormCustomerAdd* Entry() const;

  std::unique_ptr<ListWindowPattern> pattern_;
};
