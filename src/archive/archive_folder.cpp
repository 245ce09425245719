#include "archive_folder.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "atomic_file.h"
#include "file_error.h"
#include "file_names.h"

namespace {

QString Why(const QString& what, const QString& path, const QString& cause) {
  return QStringLiteral("発行した書類を保存できませんでした（%1）。\n%2\n%3")
      .arg(what, path, cause);
}

// The archive's own folders are readable by their owner only.
void MakeFolder(const QString& path) {
  if (!QDir().mkpath(path)) {
    throw ArchiveError(Why(QStringLiteral("フォルダを作成できません"), path, QString()));
  }
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

}  // namespace

std::vector<QByteArray> IndexLines(const QString& folder) {
  const QString path = ArchiveIndexPath(folder);
  if (!QFileInfo::exists(path)) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw ArchiveError(Why(QStringLiteral("索引を読めません"), path, file.errorString()));
  }
  std::vector<QByteArray> lines;
  for (const QByteArray& line : file.readAll().split('\n')) {
    if (!line.isEmpty()) lines.push_back(line);
  }
  return lines;
}

namespace {

void AppendLine(const QString& folder, const QByteArray& line) {
  const QString path = ArchiveIndexPath(folder);
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
    throw ArchiveError(Why(QStringLiteral("索引に書き込めません"), path, file.errorString()));
  }
  file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  const QByteArray text = line + '\n';
  const bool written = file.write(text) == text.size() && file.flush();
  if (!written || ::fsync(file.handle()) != 0) {
    const QString cause = file.errorString();
    // A line cut short would break the chain: the index goes back to what it was.
    file.resize(file.size() - (written ? text.size() : 0));
    throw ArchiveError(Why(QStringLiteral("索引に書き込めません"), path, cause));
  }
}

ArchiveEntry Chained(const QString& folder, ArchiveEntry entry) {
  const std::vector<QByteArray> lines = IndexLines(folder);
  entry.seq = static_cast<int>(lines.size()) + 1;
  entry.previous = lines.empty() ? ChainStart() : Sha256Hex(lines.back());
  return entry;
}

}  // namespace

QString ArchiveFolderOf(const QString& dataFile) {
  // Absolute, so that what is found below it is named the same way as in the index.
  const QFileInfo info(dataFile);
  return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("_発行書類"));
}

QString ArchiveIndexPath(const QString& folder) {
  return QDir(folder).filePath(QStringLiteral("index.jsonl"));
}

std::vector<ArchiveEntry> ReadArchiveHolding(const QString& folder, const QByteArray& text) {
  std::vector<ArchiveEntry> entries;
  const std::vector<QByteArray> lines = IndexLines(folder);
  if (text.isEmpty()) entries.reserve(lines.size());
  for (size_t i = 0; i < lines.size(); ++i) {
    if (!text.isEmpty() && !lines[i].contains(text)) continue;
    std::optional<ArchiveEntry> entry = EntryFromLine(lines[i]);
    if (!entry) {
      throw ArchiveError(Why(QStringLiteral("索引の %1 行目が読めません").arg(i + 1),
                             ArchiveIndexPath(folder), QString()));
    }
    entries.push_back(std::move(*entry));
  }
  return entries;
}

std::vector<ArchiveEntry> ReadArchive(const QString& folder) {
  return ReadArchiveHolding(folder, QByteArray());
}

QString ArchiveFileFor(const QString& folder, const ArchiveEntry& e) {
  const QString month = e.date.toString(QStringLiteral("yyyy/MM"));
  const QStringList parts = {e.date.toString(QStringLiteral("yyyyMMdd")), e.partner,
                             KindWord(e.kind), QString::fromStdString(MoneyToText(e.amount))};
  const QString name = SuggestedFileName(parts, QStringLiteral("pdf"));
  QString file = month + QLatin1Char('/') + name;
  for (int n = 2; QFileInfo::exists(QDir(folder).filePath(file)); ++n) {
    file = month + QLatin1Char('/') + name.chopped(4) + QStringLiteral("_%1.pdf").arg(n);
  }
  return file;
}

ArchiveEntry KeepIssued(const QString& folder, ArchiveEntry entry, const QByteArray& pdf) {
  MakeFolder(folder);
  entry = Chained(folder, std::move(entry));
  entry.file = ArchiveFileFor(folder, entry);
  entry.sha256 = Sha256Hex(pdf);
  const QString path = QDir(folder).filePath(entry.file);
  MakeFolder(QFileInfo(QFileInfo(path).absolutePath()).absolutePath());  // the year
  MakeFolder(QFileInfo(path).absolutePath());                            // its month
  try {
    WriteFileAtomically(path, std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
  } catch (const FileError& e) {
    throw ArchiveError(Why(QStringLiteral("PDF を書き込めません"), path, e.Message()));
  }
  try {
    AppendLine(folder, EntryLine(entry));
  } catch (const ArchiveError&) {
    // Without its entry the copy would count as added behind the program's back.
    QFile::remove(path);
    throw;
  }
  return entry;
}

ArchiveEntry AppendEntry(const QString& folder, ArchiveEntry entry) {
  MakeFolder(folder);
  entry = Chained(folder, std::move(entry));
  AppendLine(folder, EntryLine(entry));
  return entry;
}
