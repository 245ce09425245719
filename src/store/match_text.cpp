#include "match_text.h"

namespace {

constexpr char16_t kFirstHiragana = u'\u3041';
constexpr char16_t kLastHiragana = u'\u3096';
constexpr char16_t kHiraganaToKatakana = 0x60;

}  // namespace

QString MatchForm(const QString& text) {
  // Compatibility composition folds the width forms and joins a half-width voiced mark to
  // its kana (ｶﾞ becomes ガ).
  QString form = text.normalized(QString::NormalizationForm_KC).toCaseFolded();
  for (QChar& c : form) {
    const char16_t u = c.unicode();
    if (u >= kFirstHiragana && u <= kLastHiragana) c = QChar(char16_t(u + kHiraganaToKatakana));
  }
  return form;
}

bool MatchContains(const QString& text, const QString& wanted) {
  return MatchForm(text).contains(wanted);
}
