#include "archive_issue.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "archive_folder.h"

namespace {

bool SameDocument(const ArchiveEntry& e, ArchiveKind kind, const IssuedDocument& d) {
  return e.kind == kind && e.partnerId == d.partnerId && e.partner == d.partner &&
         !d.reference.isEmpty() && e.reference == d.reference && e.status != kCancelled;
}

}  // namespace

ArchiveEntry EntryFor(const std::vector<ArchiveEntry>& earlier, const IssuedDocument& d,
                      const QString& issuer, const QDateTime& issuedAt) {
  ArchiveEntry e;
  e.kind = KindFromKey(d.kind).value_or(ArchiveKind::Invoice);
  e.date = d.date;
  e.amount = d.amount;
  e.partnerId = d.partnerId;
  e.partner = d.partner;
  e.reference = d.reference;
  e.number = d.number;
  e.issuedAt = issuedAt;
  e.issuer = issuer;
  for (auto it = earlier.rbegin(); it != earlier.rend(); ++it) {
    if (SameDocument(*it, e.kind, d)) {
      e.status = kReissued;
      e.of = it->status == kReissued ? it->of : it->seq;
      break;
    }
  }
  return e;
}

ArchiveEntry CancelIssued(const QString& folder, const ArchiveEntry& issued, const QString& reason,
                          const QString& issuer, const QDateTime& at) {
  ArchiveEntry e = issued;
  e.status = kCancelled;
  e.of = issued.seq;
  e.reason = reason;
  e.issuer = issuer;
  e.issuedAt = at.addMSecs(-at.time().msec());
  e.file.clear();
  e.sha256.clear();
  return AppendEntry(folder, e);
}

bool IsCancelled(const std::vector<ArchiveEntry>& entries, const ArchiveEntry& entry) {
  for (const ArchiveEntry& e : entries) {
    if (e.status == kCancelled && e.of == entry.seq) return true;
  }
  return false;
}

ArchiveEntry KeepDocument(const QString& folder, const IssuedDocument& document,
                          const QString& issuer, const QByteArray& pdf, const QDateTime& issuedAt) {
  const QDateTime at = issuedAt.addMSecs(-issuedAt.time().msec());  // whole seconds
  // A reissue is found among the entries of the same reference only.
  const QByteArray field =
      QJsonDocument(QJsonObject{{QStringLiteral("reference"), document.reference}})
          .toJson(QJsonDocument::Compact)
          .chopped(1)
          .mid(1);
  const std::vector<ArchiveEntry> same = document.reference.isEmpty()
                                             ? std::vector<ArchiveEntry>()
                                             : ReadArchiveHolding(folder, field);
  return KeepIssued(folder, EntryFor(same, document, issuer, at), pdf);
}
