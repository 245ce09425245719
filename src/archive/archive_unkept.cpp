#include "archive_unkept.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "archive_folder.h"
#include "atomic_file.h"
#include "file_error.h"

namespace {

struct Note {
  QString folder;
  QByteArray entry;
};

QString Canonical(const QString& folder) {
  return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

std::vector<Note> ReadNotes(const QString& notes) {
  QFile file(notes);
  if (!file.exists()) return {};
  if (!file.open(QIODevice::ReadOnly)) {
    throw ArchiveError(QStringLiteral("保存せずに発行した記録を読めません。\n") + notes);
  }
  std::vector<Note> all;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QJsonObject o = QJsonDocument::fromJson(line).object();
    if (o.isEmpty()) continue;
    all.push_back({o.value(QStringLiteral("folder")).toString(),
                   o.value(QStringLiteral("entry")).toString().toUtf8()});
  }
  return all;
}

void WriteNotes(const QString& notes, const std::vector<Note>& all) {
  QByteArray text;
  for (const Note& n : all) {
    const QJsonObject o{{QStringLiteral("folder"), n.folder},
                        {QStringLiteral("entry"), QString::fromUtf8(n.entry)}};
    text += QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
  }
  try {
    QDir().mkpath(QFileInfo(notes).absolutePath());
    WriteFileAtomically(notes,
                        std::string_view(text.constData(), static_cast<size_t>(text.size())));
  } catch (const FileError& e) {
    throw ArchiveError(QStringLiteral("保存せずに発行した記録を書き込めません。\n") + e.Message());
  }
}

}  // namespace

void NoteUnkept(const QString& notes, const QString& folder, ArchiveEntry entry) {
  entry.status = kUnkept;
  entry.file.clear();
  entry.sha256.clear();
  std::vector<Note> all = ReadNotes(notes);
  all.push_back({Canonical(folder), EntryLine(entry)});
  WriteNotes(notes, all);
}

int RecordUnkept(const QString& notes, const QString& folder) {
  std::vector<Note> all = ReadNotes(notes);
  const QString mine = Canonical(folder);
  std::vector<Note> rest;
  int recorded = 0;
  for (const Note& n : all) {
    std::optional<ArchiveEntry> entry = n.folder == mine ? EntryFromLine(n.entry) : std::nullopt;
    if (!entry) {
      rest.push_back(n);
      continue;
    }
    try {
      AppendEntry(folder, *entry);
      ++recorded;
    } catch (const ArchiveError&) {
      // What was appended is dropped from the notes; the rest waits for the next time.
      std::vector<Note> left(all.begin() + static_cast<long>(recorded + rest.size()), all.end());
      rest.insert(rest.end(), left.begin(), left.end());
      WriteNotes(notes, rest);
      throw;
    }
  }
  if (recorded > 0) WriteNotes(notes, rest);
  return recorded;
}
