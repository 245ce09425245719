#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

#include "archive_entry.h"

// Any combination of conditions; each end of a range is included.
struct ArchiveQuery {
  std::optional<QDate> from{};
  std::optional<QDate> to{};
  std::optional<Money> min{};
  std::optional<Money> max{};
  QString partner{};  // any part of the name, width- and kana-insensitive
  std::optional<ArchiveKind> kind{};
};

// The entries that meet every condition given, oldest first.
std::vector<ArchiveEntry> SearchArchive(const std::vector<ArchiveEntry>& entries,
                                        const ArchiveQuery& query);
