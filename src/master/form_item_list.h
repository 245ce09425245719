#pragma once

#include <memory>

#include "form.h"
#include "list_window_pattern.h"

class QPushButton;
class QTableWidget;
class TFindBar;
class TFormItemAdd;

// The product list: every product of the document in list order, with adding (also in
// continuous mode), changing, deleting unused products and reordering, and the way to the
// classification and unit windows.
class TFormItemList : public TForm {
  Q_OBJECT

 public:
  explicit TFormItemList(Document& doc);

  QTableWidget* ListViewItemList = nullptr;
  TFindBar* FindBar = nullptr;
  QPushButton* ButtonIndexUp = nullptr;
  QPushButton* ButtonIndexDown = nullptr;
  QPushButton* ButtonGroupList = nullptr;
  QPushButton* ButtonTanniList = nullptr;
  QPushButton* ButtonDeleteItem = nullptr;
  QPushButton* ButtonEditItem = nullptr;
  QPushButton* ButtonAddItem = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonImportCsv = nullptr;
  QPushButton* ButtonOk = nullptr;

 public slots:
  void FormShow();
  void ButtonAddItemClick();
  void ButtonEditItemClick();
  void ButtonDeleteItemClick();
  void ButtonIndexUpClick();
  void ButtonIndexDownClick();
  void ListViewItemListDblClick();
  void ButtonGroupListClick();
  void ButtonTanniListClick();
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
  bool AddProducts();
  bool ChangeProduct(int row);
  TFormItemAdd* Entry() const;

  std::unique_ptr<ListWindowPattern> pattern_;
};
