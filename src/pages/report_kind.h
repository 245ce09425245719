#pragma once

// The printed documents, by the number the printer-choice window holds in its Tag; the
// windows, the pages and tenpo-cli name them alike.
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
  kReportTrend = 12,
};
