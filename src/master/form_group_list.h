#pragma once

#include "form_name_list.h"

// The three product classifications, one tab each; the first entry of each is fixed.
class TFormGroupList : public TFormNameList {
  Q_OBJECT

 public:
  explicit TFormGroupList(Document& doc);

  QListWidget* const ListBoxGroupList;
  QPushButton* const ButtonAddGroup;
  QPushButton* const ButtonEditGroup;
  QPushButton* const ButtonDeleteGroup;

 public slots:
  void ButtonAddGroupClick() { ButtonAddClick(); }
  void ButtonEditGroupClick() { ButtonEditClick(); }
  void ButtonDeleteGroupClick() { ButtonDeleteClick(); }
  void ListBoxGroupListDblClick() { ListBoxDblClick(); }
};
