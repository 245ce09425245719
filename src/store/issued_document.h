#pragma once

#include <QDate>
#include <QString>
#include <cstdint>

#include "money.h"

// What an issued document is, for keeping its copy: filled in where the document is made,
// read where it is kept. An empty kind: a paper that is not kept (lists, confirmations).
struct IssuedDocument {
  QString kind;  // "delivery-note", "invoice", "receipt"
  QDate date;    // the slip date, the closing date, the receipt's date
  Money amount;  // the note's total, the invoice's 請求額, the receipt's amount
  int32_t partnerId = -1;
  QString partner;
  QString reference;  // "slip 12", "2024-04": the same document issued again has the same
  QString number;
};
