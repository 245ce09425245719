#pragma once

#include <memory>

#include "form.h"
#include "list_window_pattern.h"
#include "name_list_design.h"
#include "name_list_source.h"

class QListWidget;
class QPushButton;
class QTabBar;
class TFormNameAdd;

// The list window of the classification, unit and remark-phrase lists: one implementation,
// told apart by its design. Changes go into the document at once.
class TFormNameList : public TForm {
  Q_OBJECT

 public:
  QTabBar* TabControlLists = nullptr;  // only for a list in parts
  QPushButton* ButtonIndexUp = nullptr;
  QPushButton* ButtonIndexDown = nullptr;
  QPushButton* ButtonOk = nullptr;

 public slots:
  void FormShow();
  void TabControlListsChange();
  void ButtonAddClick();
  void ButtonEditClick();
  void ButtonDeleteClick();
  void ButtonIndexUpClick();
  void ButtonIndexDownClick();
  void ListBoxDblClick();

 protected:
  TFormNameList(Document& doc, const NameListDesign& design, std::unique_ptr<NameListSource> names);

  QListWidget* ListBox() const { return listBox_; }
  QPushButton* AddButton() const { return addButton_; }
  QPushButton* EditButton() const { return editButton_; }
  QPushButton* DeleteButton() const { return deleteButton_; }

  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  ListActions Actions();
  void Fill();
  bool AddEntry();
  bool ChangeEntry(int row);
  TFormNameAdd* Entry() const;

  const NameListDesign& design_;
  std::unique_ptr<NameListSource> names_;
  QListWidget* listBox_ = nullptr;
  QPushButton* addButton_ = nullptr;
  QPushButton* editButton_ = nullptr;
  QPushButton* deleteButton_ = nullptr;
  std::unique_ptr<ListWindowPattern> pattern_;
};
