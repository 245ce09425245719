#pragma once

#include "form_name_add.h"

// The entry window of a remark phrase.
class TFormLineNoteAdd : public TFormNameAdd {
  Q_OBJECT

 public:
  explicit TFormLineNoteAdd(Document& doc);

  QLineEdit* const EditLineNote;
};
