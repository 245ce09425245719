#include "archive_entry.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr const char* kKeys[] = {"delivery-note", "invoice", "receipt"};
constexpr const char* kWords[] = {"納品書", "請求書", "領収書"};

int Index(ArchiveKind kind) {
  return static_cast<int>(kind);
}

}  // namespace

QString KindKey(ArchiveKind kind) {
  return QString::fromUtf8(kKeys[Index(kind)]);
}

std::optional<ArchiveKind> KindFromKey(const QString& key) {
  for (int i = 0; i < 3; ++i) {
    if (key == QLatin1String(kKeys[i])) return static_cast<ArchiveKind>(i);
  }
  return std::nullopt;
}

QString KindWord(ArchiveKind kind) {
  return QString::fromUtf8(kWords[Index(kind)]);
}

QByteArray EntryLine(const ArchiveEntry& e) {
  QJsonObject o;
  o.insert(QStringLiteral("seq"), e.seq);
  o.insert(QStringLiteral("kind"), KindKey(e.kind));
  o.insert(QStringLiteral("status"), e.status);
  o.insert(QStringLiteral("date"), e.date.toString(Qt::ISODate));
  o.insert(QStringLiteral("amount"), QString::fromStdString(MoneyToText(e.amount)));
  o.insert(QStringLiteral("partnerId"), e.partnerId);
  o.insert(QStringLiteral("partner"), e.partner);
  o.insert(QStringLiteral("reference"), e.reference);
  o.insert(QStringLiteral("number"), e.number);
  o.insert(QStringLiteral("issuedAt"), e.issuedAt.toString(Qt::ISODate));
  o.insert(QStringLiteral("issuer"), e.issuer);
  o.insert(QStringLiteral("file"), e.file);
  o.insert(QStringLiteral("sha256"), e.sha256);
  o.insert(QStringLiteral("previous"), e.previous);
  o.insert(QStringLiteral("of"), e.of);
  o.insert(QStringLiteral("reason"), e.reason);
  return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<ArchiveEntry> EntryFromLine(const QByteArray& line) {
  QJsonParseError error;
  const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
  if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
  const QJsonObject o = doc.object();
  const std::optional<ArchiveKind> kind = KindFromKey(o.value(QStringLiteral("kind")).toString());
  if (!kind) return std::nullopt;
  ArchiveEntry e;
  e.seq = o.value(QStringLiteral("seq")).toInt();
  e.kind = *kind;
  e.status = o.value(QStringLiteral("status")).toString();
  e.date = QDate::fromString(o.value(QStringLiteral("date")).toString(), Qt::ISODate);
  try {
    e.amount = MoneyFromText(o.value(QStringLiteral("amount")).toString().toStdString());
  } catch (const std::exception&) {
    return std::nullopt;
  }
  e.partnerId = o.value(QStringLiteral("partnerId")).toInt(-1);
  e.partner = o.value(QStringLiteral("partner")).toString();
  e.reference = o.value(QStringLiteral("reference")).toString();
  e.number = o.value(QStringLiteral("number")).toString();
  e.issuedAt = QDateTime::fromString(o.value(QStringLiteral("issuedAt")).toString(), Qt::ISODate);
  e.issuer = o.value(QStringLiteral("issuer")).toString();
  e.file = o.value(QStringLiteral("file")).toString();
  e.sha256 = o.value(QStringLiteral("sha256")).toString();
  e.previous = o.value(QStringLiteral("previous")).toString();
  e.of = o.value(QStringLiteral("of")).toInt();
  e.reason = o.value(QStringLiteral("reason")).toString();
  return e;
}

QString Sha256Hex(const QByteArray& bytes) {
  return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}

QString ChainStart() {
  return QString(64, QLatin1Char('0'));
}
