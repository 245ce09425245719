#pragma once

#include "form_name_list.h"

// The units of measure that products pick from.
class TFormTanniList : public TFormNameList {
  Q_OBJECT

 public:
  explicit TFormTanniList(Document& doc);

  QListWidget* const ListBoxTanniList;
  QPushButton* const ButtonAddTanni;
  QPushButton* const ButtonEditTanni;
  QPushButton* const ButtonDeleteTanni;

 public slots:
  void ButtonAddTanniClick() { ButtonAddClick(); }
  void ButtonEditTanniClick() { ButtonEditClick(); }
  void ButtonDeleteTanniClick() { ButtonDeleteClick(); }
  void ListBoxTanniListDblClick() { ListBoxDblClick(); }
};
