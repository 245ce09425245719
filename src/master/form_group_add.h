#pragma once

#include "form_name_add.h"

// The entry window of a classification name.
class TFormGroupAdd : public TFormNameAdd {
  Q_OBJECT

 public:
  explicit TFormGroupAdd(Document& doc);

  QLineEdit* const EditName;
};
