#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

#include "archive_entry.h"
#include "issued_document.h"

// The entry for an issued document: 再発行 naming the latest earlier entry of the same
// document (kind, partner and reference) when there is one, 発行 otherwise.
ArchiveEntry EntryFor(const std::vector<ArchiveEntry>& earlier, const IssuedDocument& document,
                      const QString& issuer, const QDateTime& issuedAt);

// Cancels an issued document: appends a 取消 entry naming it, with the reason; its file is
// kept. Throws ArchiveError.
ArchiveEntry CancelIssued(const QString& folder, const ArchiveEntry& issued, const QString& reason,
                          const QString& issuer,
                          const QDateTime& at = QDateTime::currentDateTime());
// Whether a later 取消 entry names the entry.
bool IsCancelled(const std::vector<ArchiveEntry>& entries, const ArchiveEntry& entry);

// Keeps the PDF of an issued document in the archive folder with its entry. Throws
// ArchiveError, having kept nothing.
ArchiveEntry KeepDocument(const QString& folder, const IssuedDocument& document,
                          const QString& issuer, const QByteArray& pdf,
                          const QDateTime& issuedAt = QDateTime::currentDateTime());
