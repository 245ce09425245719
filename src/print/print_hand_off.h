#pragma once

#include "report.h"

// The documents, by the number the printer-choice window holds in its Tag.
enum ReportKind {
  kReportItemList = 0,
  kReportPartnerList = 1,
  kReportSlipList = 2,
  kReportDeliveryNote = 3,
  kReportConfirmationList = 5,
  kReportInvoice = 6,
  kReportItemSales = 7,
  kReportCustomerSales = 8,
  kReportDateSales = 9,
  kReportReturnList = 10,
  kReportReceipt = 11,
};

// What every print button does: a document without pages gets "印刷対象がありません。";
// any other goes to the printer-choice window, which previews, prints or writes it.
void PrintReport(int kind, Report report);
