#include "archive_search.h"

#include "match_text.h"

namespace {

bool Meets(const ArchiveEntry& e, const ArchiveQuery& q, const QString& partner) {
  if (q.from && e.date < *q.from) return false;
  if (q.to && e.date > *q.to) return false;
  if (q.min && e.amount < *q.min) return false;
  if (q.max && e.amount > *q.max) return false;
  if (q.kind && e.kind != *q.kind) return false;
  return partner.isEmpty() || MatchContains(e.partner, partner);
}

}  // namespace

std::vector<ArchiveEntry> SearchArchive(const std::vector<ArchiveEntry>& entries,
                                        const ArchiveQuery& query) {
  const QString partner = MatchForm(query.partner);
  std::vector<ArchiveEntry> found;
  for (const ArchiveEntry& e : entries) {
    if (Meets(e, query, partner)) found.push_back(e);
  }
  return found;
}
