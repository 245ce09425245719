#pragma once

#include "form.h"

// An entry window: closing with OK first asks FormCloseQuery, which checks the entries,
// reports what is missing and may keep the window open. Closing otherwise always closes.
class TEntryForm : public TForm {
  Q_OBJECT

 public:
  using TForm::TForm;

  void done(int result) override;

 protected:
  // Runs only when closing with OK; false keeps the window open.
  virtual bool FormCloseQuery() = 0;
};

// A required text counts as empty when only blanks remain after trimming both ends; it is
// still stored as typed.
bool IsBlankText(const QString& text);
