#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

#include "archive_entry.h"

// The archive could not be read or written; the text says why, for the user.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& Message() const { return message_; }

 private:
  QString message_;
};

// The folder beside the data file: "さくら商事.TLG" keeps in "さくら商事_発行書類".
QString ArchiveFolderOf(const QString& dataFile);
// The index in that folder.
QString ArchiveIndexPath(const QString& folder);

// The index's lines as written, oldest first; none for a folder that has none yet.
// Throws ArchiveError when the index cannot be read.
std::vector<QByteArray> IndexLines(const QString& folder);

// Every entry of the index, oldest first; none for a folder that has none yet. A line
// that is no entry throws ArchiveError.
std::vector<ArchiveEntry> ReadArchive(const QString& folder);
// Only the entries whose line holds `text` as written (a field and its value, say):
// reading a few entries of a large index needs no more.
std::vector<ArchiveEntry> ReadArchiveHolding(const QString& folder, const QByteArray& text);

// "20261130_株式会社ひまわり商店_請求書_128700.pdf" in "2026/11/", with a counter before
// the extension when the name is taken.
QString ArchiveFileFor(const QString& folder, const ArchiveEntry& entry);

// Keeps an issued document: the PDF is written whole and flushed, then its entry is
// appended to the index and flushed; only then the document counts as issued. Fills in
// seq, file, sha256 and previous and returns the entry kept. Nothing existing is ever
// changed; a failure leaves no new file and throws ArchiveError.
ArchiveEntry KeepIssued(const QString& folder, ArchiveEntry entry, const QByteArray& pdf);
// Appends an entry that keeps no file (a cancel) the same way.
ArchiveEntry AppendEntry(const QString& folder, ArchiveEntry entry);
