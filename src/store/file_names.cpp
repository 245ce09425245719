#include "file_names.h"

#include <QRegularExpression>

QString SuggestedFileName(const QStringList& parts, const QString& extension) {
  // Folder separators, the characters other systems forbid, and control characters.
  static const QRegularExpression unsafe(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1F]"));
  QStringList kept;
  for (const QString& part : parts) {
    const QString clean = QString(part).replace(unsafe, QStringLiteral("_")).simplified();
    if (!clean.isEmpty()) kept << clean;
  }
  QString name = kept.join(QLatin1Char('_'));
  // A leading dot would hide the file.
  while (name.startsWith(QLatin1Char('.'))) name.remove(0, 1);
  return name + QLatin1Char('.') + extension;
}

QString YearMonthText(const QDate& date) {
  return date.isValid() ? date.toString(QStringLiteral("yyyy年MM月")) : QString();
}

QString DayText(const QDate& date) {
  return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}
