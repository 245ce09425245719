#pragma once

#include <QString>

#include "archive_entry.h"

// A document issued while its archive could not be written, at the user's choice: noted
// in a file of the user's own (`notes`) until the archive takes it, so the gap is told.
inline const QString kUnkept = QStringLiteral("保存せずに発行");

// Notes the entry (status 保存せずに発行, the reason why) for the archive `folder`.
// Throws ArchiveError when even the note cannot be written.
void NoteUnkept(const QString& notes, const QString& folder, ArchiveEntry entry);

// Appends every entry noted for `folder` to its index, oldest first, and drops them from
// the notes; the number appended. Throws ArchiveError, the notes left whole, when the
// archive still cannot be written.
int RecordUnkept(const QString& notes, const QString& folder);
