#include "entry_form.h"

void TEntryForm::done(int result) {
  if (result == QDialog::Accepted && !FormCloseQuery()) return;
  TForm::done(result);
}

bool IsBlankText(const QString& text) {
  return text.trimmed().isEmpty();
}
