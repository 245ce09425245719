#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

#include "report.h"

struct Document;

// What the receipt window holds when it prints: all typed or picked by hand.
struct ReceiptSnapshot {
  QString number;
  QString title = QStringLiteral("領収書");
  QString customer;
  QString nameTitle = QStringLiteral("御中");
  QString price;  // as the amount field shows it
  QDate date;
  bool tadashi = false;  // the 但し line
  QString tadashiText = QStringLiteral("但し、商品代として");
  std::array<QString, 4> kinds;    // the breakdown
  std::array<QString, 4> amounts;  // empty: not printed
  bool tantou = false;             // 担当印 box
  bool inshi = false;              // 収入印紙 box
  QStringList company;             // postal code, address 1, address 2, name
  QString registration;            // "登録番号 T…" under the name; empty: none
};

// Fills the company block (and its registration line) from the document.
void SetReceiptCompany(ReceiptSnapshot& s, const Document& doc);

// The receipt with its office copy below (領収書, report kind 11): always one page.
Report ReceiptReport(const ReceiptSnapshot& snapshot);
