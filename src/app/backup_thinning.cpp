#include "backup_thinning.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <set>
#include <utility>

std::optional<BackupCopy> ParseBackupName(const QString& fileName, const QString& dataName) {
  // BackupPath counts from -2 and never writes a leading zero.
  static const QRegularExpression stamp(QStringLiteral(
      R"(^(\d{4})-(\d{2})-(\d{2}) (\d{2})(\d{2})(\d{2})(?:-([2-9]|[1-9]\d{1,8}))? )"));
  const QRegularExpressionMatch m = stamp.match(fileName);
  if (!m.hasMatch() || fileName.mid(m.capturedLength()) != dataName) return std::nullopt;
  const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  const QTime time(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt());
  if (!date.isValid() || !time.isValid()) return std::nullopt;
  const int number = m.hasCaptured(7) ? m.captured(7).toInt() : 1;
  return BackupCopy{fileName, QDateTime(date, time), number};
}

QStringList CopiesToThin(std::vector<BackupCopy> copies, const QDateTime& now) {
  const auto order = [](const BackupCopy& c) { return std::pair(c.time, c.number); };
  std::sort(copies.begin(), copies.end(),
            [&](const BackupCopy& a, const BackupCopy& b) { return order(a) > order(b); });
  const QDateTime week = now.addDays(-7);
  const QDateTime months = now.addMonths(-3);
  // Newest first, so the first copy met of a day or month is its last one, and the newest
  // of all is the first of its own.
  std::set<std::pair<int, qint64>> kept;
  QStringList thinned;
  for (const BackupCopy& c : copies) {
    if (c.time >= week) continue;
    const QDate day = c.time.date();
    const auto period = c.time >= months ? std::pair(0, day.toJulianDay())
                                         : std::pair(1, qint64{day.year()} * 12 + day.month());
    if (!kept.insert(period).second) thinned.append(c.fileName);
  }
  return thinned;
}

void ThinBackups(const QString& folder, const QString& dataName, const QDateTime& now) {
  const QDir dir(folder);
  std::vector<BackupCopy> copies;
  for (const QString& name : dir.entryList(QDir::Files | QDir::NoSymLinks)) {
    if (std::optional<BackupCopy> copy = ParseBackupName(name, dataName)) copies.push_back(*copy);
  }
  for (const QString& name : CopiesToThin(std::move(copies), now)) {
    QFile::remove(dir.filePath(name));
  }
}
