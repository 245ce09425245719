#pragma once

#include "form_name_list.h"

// The remark phrases offered for slip lines.
class TFormLineNoteList : public TFormNameList {
  Q_OBJECT

 public:
  explicit TFormLineNoteList(Document& doc);

  QListWidget* const ListBoxLineNoteList;
  QPushButton* const ButtonAddLineNote;
  QPushButton* const ButtonEditNoteList;
  QPushButton* const ButtonDeleteNoteList;

 public slots:
  void ButtonAddLineNoteClick() { ButtonAddClick(); }
  void ButtonEditNoteListClick() { ButtonEditClick(); }
  void ButtonDeleteNoteListClick() { ButtonDeleteClick(); }
  void ListBoxLineNoteListDblClick() { ListBoxDblClick(); }
};
