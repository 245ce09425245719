#include "sjis_guard.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

#include <utility>

#include "amount_text.h"
#include "input_refusal.h"
#include "sjis_codec.h"

namespace {

constexpr QChar kBackslash = u'\\';
constexpr QChar kYen = u'\u00A5';

// The characters of the text, a surrogate pair as one.
QStringList Characters(const QString& text) {
  QStringList characters;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const bool pair =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    characters << text.mid(i, pair ? 2 : 1);
    if (pair) ++i;
  }
  return characters;
}

// The first character CP932 cannot hold, or an empty string.
QString FirstUnusable(const QString& text) {
  if (CanEncodeSjis(text)) return {};
  for (const QString& c : Characters(text)) {
    if (c != QChar(QChar::ReplacementCharacter) && !CanEncodeSjis(c)) return c;
  }
  return {};
}

// Shaped like an amount but not readable as one: more whole digits than an amount holds.
// Only ASCII digits: anything else is no amount, which the window turns into "0".
bool IsNumberTooLong(const QString& text) {
  static const QRegularExpression number(QStringLiteral(R"(^[ \t]*[+-]?[0-9]*\.?[0-9]*[ \t]*$)"));
  static const QRegularExpression digit(QStringLiteral("[0-9]"));
  const QString clean = CleanedAmountText(text);
  return clean.contains(digit) && number.match(clean).hasMatch() && !IsAmountText(clean);
}

void MakeRefusalsVisible(QLineEdit* line, QWidget* field, SjisValidator* validator) {
  QObject::connect(line, &QLineEdit::inputRejected, validator,
                   [field, validator] { RefuseInput(field, validator->TakeRefused()); });
}

// A text set by the program (read from the file) shows 0x5C as ¥ like a typed one.
void ShowYenForBackslash(QLineEdit* line) {
  QObject::connect(line, &QLineEdit::textChanged, line, [line](const QString& text) {
    if (text.contains(kBackslash)) line->setText(SjisEditForm(text));
  });
}

// A one-line field never holds a line break; a pasted spreadsheet cell or mail line brings
// one, unseen, into names and printed pages, and makes an amount unreadable.
void DropLineBreaks(QString& text, int& pos) {
  for (qsizetype i = text.size(); i-- > 0;) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    text.remove(i, 1);
    if (i < pos) --pos;
  }
}

}  // namespace

SjisValidator::SjisValidator(SjisField kind, QObject* parent) : QValidator(parent), kind_(kind) {}

QString SjisValidator::Mapped(const QString& input) const {
  return kind_ == SjisField::Text ? SjisEditForm(input) : NormalizeForSjis(input);
}

QValidator::State SjisValidator::validate(QString& input, int& pos) const {
  // The mapping is one character for one, so the cursor position stays right.
  QString mapped = Mapped(input);
  DropLineBreaks(mapped, pos);
  refused_ = FirstUnusable(mapped);
  if (!refused_.isEmpty()) return Invalid;
  if (kind_ == SjisField::Number && IsNumberTooLong(mapped)) return Invalid;
  input = mapped;
  return Acceptable;
}

void SjisValidator::fixup(QString& input) const {
  input = Mapped(input);
}

QString SjisValidator::TakeRefused() {
  return std::exchange(refused_, QString());
}

QString SjisEditForm(const QString& text) {
  return NormalizeForSjis(text).replace(kBackslash, kYen);
}

void GuardSjis(QLineEdit* edit, SjisField kind) {
  if (qobject_cast<const SjisValidator*>(edit->validator()) != nullptr) return;
  auto* validator = new SjisValidator(kind, edit);
  edit->setValidator(validator);
  MakeRefusalsVisible(edit, edit, validator);
  if (kind == SjisField::Text) ShowYenForBackslash(edit);
}

void GuardSjis(QComboBox* editable_combo) {
  QLineEdit* line = editable_combo->lineEdit();
  if (line == nullptr || qobject_cast<const SjisValidator*>(line->validator()) != nullptr) return;
  auto* validator = new SjisValidator(SjisField::Text, editable_combo);
  editable_combo->setValidator(validator);
  MakeRefusalsVisible(line, editable_combo, validator);
  ShowYenForBackslash(line);
}
