#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "claim_detail.h"
#include "report.h"

struct Document;

// What the claim-detail window shows and prints.
struct InvoiceSnapshot {
  QDate date;
  QString title = QStringLiteral("請求書");
  QString number;
  QString nameTitle = QStringLiteral("御中");
  bool bank = false;  // the bank block
  QString bankComment = QStringLiteral("※お支払は下記口座へお願い致します");
  QStringList account;   // bank name, branch name, account kind, number, holder
  bool tantou = false;   // 担当印 box
  bool kakunin = false;  // 確認印 box
  QStringList partner;   // postal code, address 1, address 2, name, TEL, FAX
  QStringList company;   // the same of the own company
  // 前月累計, 今月入金, 繰越額, 今月売上, 消費税, 今月請求額, 請求額 as shown; 消費税 is the
  // tax added to tax-excluded sales only, so 今月売上 + 消費税 = 今月請求額.
  QStringList figures;
  QString innerTax;  // "（うち内消費税 \267）", empty when no price includes tax
  // date, slip number, product name, quantity, unit, unit price, amount, remark
  std::vector<QStringList> rows;
  // The qualified-invoice format; all empty when it is off.
  std::vector<bool> reduced;          // per row: printed with the reduced-rate mark
  QString registration;               // "登録番号 T…" under the company name
  std::vector<QStringList> rateRows;  // the period's 税率, 対象額, 消費税額, highest first
  IssuedDocument issued;
};

inline constexpr int kInvoiceRowsPerPage = 25;

// The pages of the invoice: its rows, then the per-rate table at the foot of the last
// page's table, which takes a heading row and one row per rate.
int InvoicePageCount(const InvoiceSnapshot& snapshot);

// The invoice of the computed claim with the window's first options: the figures and rows
// as the claim-detail window shows them, the partner and the company blocks.
InvoiceSnapshot InvoiceOf(const Document& doc, const ClaimDetail& detail);

// The tax lines the invoice prints beside its table, for a window to show: the tax
// contained in tax-included sales, each rate of the per-rate table, the legend.
QStringList InvoiceTaxNotes(const InvoiceSnapshot& snapshot);

// The invoice (請求書, report kind 6).
Report InvoiceReport(const InvoiceSnapshot& snapshot);
