#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "money.h"
#include "report.h"

struct Document;
class Slip;
struct CustomerRecord;

// One line as the delivery-note window lists it; `value` is the amount the texts show.
struct DeliveryNoteRow {
  QStringList texts;  // code, name, quantity, unit, unit price, amount, remark
  Money value;
  bool reduced = false;  // printed with the reduced-rate mark
};

// What the delivery-note window shows and prints.
struct DeliveryNoteSnapshot {
  QDate date;
  QString title = QStringLiteral("納品書");
  QString number;
  QString nameTitle = QStringLiteral("御中");
  QString comment = QStringLiteral("※品目・数量をご確認ください");
  bool tantou = false;   // 担当印 box
  bool kakunin = false;  // 確認印 box
  QStringList partner;   // postal code, address 1, address 2, name, TEL, FAX
  QStringList company;   // the same of the own company
  std::vector<DeliveryNoteRow> rows;
  QString subtotal;
  QString tax;  // tax added to tax-excluded lines only
  QString total;
  QString innerTax;  // "（うち内消費税 \267）", empty when no price includes tax
  // The qualified-invoice format; all empty when it is off.
  QString registration;               // "登録番号 T…" under the company name
  std::vector<QStringList> rateRows;  // 税率, 対象額, 消費税額 per rate, highest rate first
  IssuedDocument issued;
};

inline constexpr int kDeliveryNoteRowsPerPage = 24;

// The note of the slip for the partner, with the window's first options: the slip's
// date and number, its lines and sums at the partner's terms.
DeliveryNoteSnapshot DeliveryNoteOf(const Document& doc, const Slip& slip,
                                    const CustomerRecord& partner);

// The tax notes the note prints beside its totals, for the window to show.
QStringList DeliveryNoteTaxNotes(const DeliveryNoteSnapshot& snapshot);

Report DeliveryNoteReport(const DeliveryNoteSnapshot& snapshot);
