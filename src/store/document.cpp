#include "document.h"

#include "config.h"

void ResetDocument(Document& doc) {
  for (GroupList& g : doc.groups) g.Clear();
  doc.units.Clear();
  doc.taxes.Clear();
  doc.items.Clear();
  doc.suppliers.Clear();
  doc.customers.Clear();
  doc.slips.Clear();
  doc.lineNotes.Clear();
  doc.receipts.Clear();
  doc.payments.Clear();
  doc.invoice = InvoiceSettings{};
  doc.keepIssued = true;
  doc.filePath.clear();
  doc.company = CompanySettings{};
  doc.useBackup = ReadBackupSwitch();
  doc.usePassword = false;
  doc.password.clear();
  doc.MarkChanged();
}
