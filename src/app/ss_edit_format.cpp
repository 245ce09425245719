#include "ss_edit_format.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

namespace {

SsExitResult Accept(const QString& text) {
  return {text, QString()};
}

SsExitResult Refuse(const QString& message) {
  return {QString(), message};
}

bool IsAsciiDigits(const QString& text) {
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return false;
  }
  return true;
}

// "#,##0" of a run of digits, without going through a number type, so no length overflows.
QString GroupThousands(const QString& digits) {
  qsizetype first = 0;
  while (first + 1 < digits.size() && digits[first] == u'0') ++first;
  const QString plain = digits.isEmpty() ? QStringLiteral("0") : digits.mid(first);
  QString grouped;
  for (qsizetype i = 0; i < plain.size(); ++i) {
    if (i > 0 && (plain.size() - i) % 3 == 0) grouped += u',';
    grouped += plain[i];
  }
  return grouped;
}

bool IsZero(const QString& digits) {
  for (QChar c : digits) {
    if (c != u'0') return false;
  }
  return true;
}

SsExitResult FormatNumber(const QString& text, const TSsEditOption& option) {
  // Optional sign, digits, optional point and digits; an exponent or a separator is not
  // a number here.
  static const QRegularExpression kDecimal(QStringLiteral("^([+-]?)([0-9]*)(\\.([0-9]*))?$"));
  const QRegularExpressionMatch match = kDecimal.match(text);
  const QString integer = match.captured(2);
  const QString fraction = match.captured(4);
  if (!match.hasMatch() || (integer.isEmpty() && fraction.isEmpty())) {
    return Refuse(QStringLiteral("入力値 %1 は，数値として認識できません").arg(text));
  }
  if (fraction.size() > option.Length.DecLength) {
    return Refuse(QStringLiteral("小数部有効桁数は，%1 桁です").arg(option.Length.DecLength));
  }
  const bool negative = match.captured(1) == u"-" && !(IsZero(integer) && IsZero(fraction));
  QString formatted =
      (negative ? QStringLiteral("-") : QString()) + GroupThousands(integer) + match.captured(3);
  if (option.EditStyle == TSsEditStyle::esMoney) formatted.prepend(u'\\');
  return Accept(formatted);
}

// Short texts take the missing leading characters from `current`.
QString Complete(const QString& text, const QString& current, const TSsEditOption& option) {
  if (option.InputMethod != TInputMethod::imEasy || text.size() >= current.size()) return text;
  return current.left(current.size() - text.size()) + text;
}

SsExitResult FormatDate(const QString& text, const TSsEditOption& option, const QDate& today) {
  const QString full = Complete(text, today.toString(QStringLiteral("yyyyMMdd")), option);
  if (full.size() != 8 || !IsAsciiDigits(full) ||
      !QDate(full.left(4).toInt(), full.mid(4, 2).toInt(), full.mid(6, 2).toInt()).isValid()) {
    return Refuse(QStringLiteral("入力値 %1 は，日付として認識できません").arg(text));
  }
  return Accept(full.left(4) + u'/' + full.mid(4, 2) + u'/' + full.mid(6, 2));
}

SsExitResult FormatTime(const QString& text, const TSsEditOption& option, const QTime& now) {
  const QString full = Complete(text, now.toString(QStringLiteral("HHmmss")), option);
  if (full.size() != 6 || !IsAsciiDigits(full) ||
      !QTime::isValid(full.left(2).toInt(), full.mid(2, 2).toInt(), full.mid(4, 2).toInt())) {
    return Refuse(QStringLiteral("入力値 %1 は，時刻として認識できません").arg(text));
  }
  return Accept(full.left(2) + u':' + full.mid(2, 2) + u':' + full.mid(4, 2));
}

}  // namespace

QString CleanSsText(const QString& text, TSsEditStyle style) {
  QString clean = text;
  switch (style) {
    case TSsEditStyle::esNone:
      break;
    case TSsEditStyle::esComma:
      clean.remove(u',');
      break;
    case TSsEditStyle::esMoney:
      clean.remove(u',').remove(u'\\');
      break;
    case TSsEditStyle::esDate:
      clean.remove(u'/');
      break;
    case TSsEditStyle::esTime:
      clean.remove(u':');
      break;
  }
  return clean;
}

SsExitResult FormatSsText(const QString& text, const TSsEditOption& option, const QDateTime& now) {
  switch (option.EditStyle) {
    case TSsEditStyle::esComma:
    case TSsEditStyle::esMoney:
      return FormatNumber(text, option);
    case TSsEditStyle::esDate:
      return FormatDate(text, option, now.date());
    case TSsEditStyle::esTime:
      return FormatTime(text, option, now.time());
    case TSsEditStyle::esNone:
      break;
  }
  return Accept(text);
}

SsExitResult CheckSsTextOnExit(const QString& text, const TSsEditOption& option,
                               const QDateTime& now) {
  if (text.isEmpty()) {
    if (option.DoEmptyCheck) return Refuse(QStringLiteral("値が入っていません"));
    return Accept(text);
  }
  if (option.Length.MaxLength > 0 && text.size() > option.Length.MaxLength) {
    return Refuse(QStringLiteral("入力値 %1 は，最大入力文字数を超えています").arg(text));
  }
  return FormatSsText(text, option, now);
}
