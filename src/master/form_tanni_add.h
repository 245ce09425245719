#pragma once

#include "form_name_add.h"

// The entry window of a unit name.
class TFormTanniAdd : public TFormNameAdd {
  Q_OBJECT

 public:
  explicit TFormTanniAdd(Document& doc);

  QLineEdit* const EditName;
};
