#include "sjis_guard.h"

#include <QComboBox>
#include <QLineEdit>

#include "sjis_codec.h"

QValidator::State SjisValidator::validate(QString& input, int& /*pos*/) const {
  // The mapping is one character for one, so the cursor position stays right.
  QString mapped = NormalizeForSjis(input);
  if (!CanEncodeSjis(mapped)) return Invalid;
  input = mapped;
  return Acceptable;
}

void SjisValidator::fixup(QString& input) const {
  input = NormalizeForSjis(input);
}

void GuardSjis(QLineEdit* edit) {
  edit->setValidator(new SjisValidator(edit));
}

void GuardSjis(QComboBox* editable_combo) {
  editable_combo->setValidator(new SjisValidator(editable_combo));
}
