#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

// Accepts a text only when CP932 can hold it; typed or pasted characters are first mapped
// with NormalizeForSjis. Anything else is refused and the text stays as it was, so nothing
// is ever stored as "?".
class SjisValidator : public QValidator {
  Q_OBJECT

 public:
  using QValidator::QValidator;
  State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
};

// One call per edit: installs a SjisValidator owned by the edit. It replaces any other
// validator of the edit.
void GuardSjis(QLineEdit* edit);
void GuardSjis(QComboBox* editable_combo);
