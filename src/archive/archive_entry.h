#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

#include "money.h"

// The documents that are kept when issued.
enum class ArchiveKind { DeliveryNote, Invoice, Receipt };

// "delivery-note", "invoice", "receipt": the kind as tenpo-cli names it.
QString KindKey(ArchiveKind kind);
std::optional<ArchiveKind> KindFromKey(const QString& key);
// "納品書", "請求書", "領収書".
QString KindWord(ArchiveKind kind);

inline const QString kIssued = QStringLiteral("発行");
inline const QString kReissued = QStringLiteral("再発行");
inline const QString kCancelled = QStringLiteral("取消");

// One line of the index: a document issued, issued again, or cancelled.
struct ArchiveEntry {
  int seq = 0;  // from 1, in the order of issue
  ArchiveKind kind = ArchiveKind::Invoice;
  QString status = kIssued;
  QDate date;  // 取引年月日: the slip date, the closing date, the receipt's date
  Money amount;
  int32_t partnerId = -1;  // -1: a receipt to a name typed by hand
  QString partner;
  QString reference;  // "slip 12", "2024-04": what was issued
  QString number;
  QDateTime issuedAt;
  QString issuer;    // 担当者名
  QString file;      // below the archive folder, "2024/04/….pdf"; empty on a cancel
  QString sha256;    // of the PDF
  QString previous;  // SHA-256 of the previous line, so the lines form a chain
  int of = 0;        // the entry a reissue or a cancel refers to
  QString reason;    // why it was cancelled
};

// The entry as one line of compact JSON, without the line end.
QByteArray EntryLine(const ArchiveEntry& entry);
// nullopt for a line that is no entry.
std::optional<ArchiveEntry> EntryFromLine(const QByteArray& line);
// The SHA-256 of the bytes, in lower-case hex.
QString Sha256Hex(const QByteArray& bytes);
// What the first entry's `previous` holds.
QString ChainStart();
