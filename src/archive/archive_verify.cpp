#include "archive_verify.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <optional>
#include <vector>

#include "archive_entry.h"
#include "archive_folder.h"

namespace {

ArchiveCheck Broken(int entries, int entry, const QString& message) {
  return {false, entries, entry, message};
}

std::optional<QByteArray> FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}

// Each line names the hash of the line before it: a line whose successor does not name it
// was changed; a number out of turn means lines before it were removed.
std::optional<ArchiveCheck> ChainBreak(const std::vector<QByteArray>& lines,
                                       std::vector<ArchiveEntry>& entries) {
  const int count = static_cast<int>(lines.size());
  QString previous = ChainStart();
  for (int i = 0; i < count; ++i) {
    const int seq = i + 1;
    const std::optional<ArchiveEntry> e = EntryFromLine(lines[static_cast<size_t>(i)]);
    if (e && e->seq == seq && seq > 1 && e->previous != previous) {
      return Broken(count, seq - 1,
                    QStringLiteral("%1 件目の記録が変更されています。").arg(seq - 1));
    }
    if (!e || e->seq != seq || e->previous != previous) {
      return Broken(count, seq,
                    QStringLiteral("%1 件目の記録が変更されたか、削除されています。").arg(seq));
    }
    previous = Sha256Hex(lines[static_cast<size_t>(i)]);
    entries.push_back(*e);
  }
  return std::nullopt;
}

std::optional<ArchiveCheck> ChangedFile(const QString& folder,
                                        const std::vector<ArchiveEntry>& entries,
                                        const VerifyProgress& progress) {
  const int count = static_cast<int>(entries.size());
  for (const ArchiveEntry& e : entries) {
    if (progress && !progress(e.seq - 1, count)) {
      ArchiveCheck stopped{false, count, 0, QStringLiteral("検証を中止しました。")};
      stopped.cancelled = true;
      return stopped;
    }
    if (e.file.isEmpty()) continue;
    const std::optional<QByteArray> bytes = FileBytes(QDir(folder).filePath(e.file));
    if (!bytes) {
      return Broken(count, e.seq,
                    QStringLiteral("%1 件目の書類がありません: %2").arg(e.seq).arg(e.file));
    }
    if (Sha256Hex(*bytes) != e.sha256) {
      return Broken(count, e.seq,
                    QStringLiteral("%1 件目の書類が変更されています: %2").arg(e.seq).arg(e.file));
    }
  }
  return std::nullopt;
}

std::optional<ArchiveCheck> AddedFile(const QString& folder,
                                      const std::vector<ArchiveEntry>& entries) {
  QSet<QString> named;
  for (const ArchiveEntry& e : entries) named.insert(e.file);
  const QDir root(QFileInfo(folder).absoluteFilePath());
  QDirIterator files(root.path(), {QStringLiteral("*.pdf")}, QDir::Files,
                     QDirIterator::Subdirectories);
  while (files.hasNext()) {
    const QString file = root.relativeFilePath(files.next());
    if (!named.contains(file)) {
      return Broken(static_cast<int>(entries.size()), 0,
                    QStringLiteral("記録にない書類があります: %1").arg(file));
    }
  }
  return std::nullopt;
}

}  // namespace

ArchiveCheck VerifyArchive(const QString& folder, const VerifyProgress& progress) {
  std::vector<ArchiveEntry> entries;
  if (std::optional<ArchiveCheck> broken = ChainBreak(IndexLines(folder), entries)) return *broken;
  if (std::optional<ArchiveCheck> broken = ChangedFile(folder, entries, progress)) return *broken;
  if (std::optional<ArchiveCheck> broken = AddedFile(folder, entries)) return *broken;
  const int count = static_cast<int>(entries.size());
  return {true, count, 0, QStringLiteral("改ざんは見つかりませんでした。（%1 件）").arg(count)};
}
