#pragma once

#include <QString>
#include <array>
#include <string>

#include "change_counter.h"
#include "company.h"
#include "customer_list.h"
#include "group_list.h"
#include "invoice_settings.h"
#include "item_list.h"
#include "payment_list.h"
#include "slip.h"
#include "tax_list.h"
#include "text_list.h"

// Everything one business keeps: settings, password, backup switch and the twelve lists.
// The main window owns the one document of a run; New and Open empty it in place.
struct Document {
  CompanySettings company;
  bool usePassword = false;
  std::string password;  // the field key; empty when usePassword is off
  bool useBackup = true;
  QString filePath;  // empty for a new document

  std::array<GroupList, 3> groups;  // 分類１, 分類２, 分類３
  TanniList units;
  TaxList taxes;
  ItemList items;
  CustomerList suppliers;
  CustomerList customers;
  SlipList slips;
  LineNoteList lineNotes;
  PaymentList receipts;  // from customers
  PaymentList payments;  // to suppliers
  InvoiceSettings invoice;
  bool keepIssued = true;  // a copy of every document issued is kept beside the file

  // Every change of the data above goes through MarkChanged: the windows call it when
  // they store, delete or move a record or take new settings.
  ChangeCounter changes;
  void MarkChanged() { changes.Bump(); }

  // Partner kind 0 suppliers, 1 customers.
  CustomerList& Partners(int kind) { return kind == kCustomerKind ? customers : suppliers; }
  const CustomerList& Partners(int kind) const {
    return kind == kCustomerKind ? customers : suppliers;
  }
  // Partner kind 0 payments made, 1 receipts.
  PaymentList& PaymentsOf(int kind) { return kind == kCustomerKind ? receipts : payments; }
  const PaymentList& PaymentsOf(int kind) const {
    return kind == kCustomerKind ? receipts : payments;
  }
};

// Empties every list, the settings, the path and the password, and takes the backup
// switch from the configuration file (creating it when missing).
void ResetDocument(Document& doc);
