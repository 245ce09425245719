#pragma once

#include <QValidator>

class QComboBox;
class QLineEdit;

// What a guarded field holds. Text fields show the byte 0x5C as the yen sign ¥, as the
// Japanese faces draw it on Windows, so a backslash typed or read from the file shows as ¥
// and is stored as 0x5C again. Number fields keep their text as typed and refuse a number
// too long for an amount.
enum class SjisField { Text, Number };

// Accepts a change only when CP932 can hold the result; typed or pasted characters are
// first mapped (NormalizeForSjis, and ¥ for 0x5C in text fields). A change with any other
// character is refused whole and the text stays as it was, so nothing is ever stored as
// "?" or dropped. U+FFFD, which marks bytes of a damaged file, is let be so that such a
// field can still be edited.
class SjisValidator : public QValidator {
  Q_OBJECT

 public:
  SjisValidator(SjisField kind, QObject* parent);
  State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
  // The character of the last refusal, empty for a number that is too long; taken once.
  QString TakeRefused();

 private:
  QString Mapped(const QString& input) const;

  SjisField kind_;
  mutable QString refused_;
};

// The form a text field shows for a text: mapped as typed text is, 0x5C as ¥.
QString SjisEditForm(const QString& text);

// One call per field: installs a SjisValidator owned by the field, which replaces any other
// validator, and makes every refusal visible (input_refusal.h). A field guarded already
// keeps its guard.
void GuardSjis(QLineEdit* edit, SjisField kind = SjisField::Text);
void GuardSjis(QComboBox* editable_combo);
