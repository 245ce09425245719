#pragma once

#include <QString>

// The wording of the payment windows by mode: 0 payments to suppliers, 1 receipts from
// customers.
struct PaymentModeTexts {
  QString addButton;      // the list's add button
  QString date;           // list column 0 and the entry's date label
  QString amount;         // list column 1 and the entry's amount label
  QString addCaption;     // the entry window, adding
  QString editCaption;    // the entry window, changing
  QString confirmDelete;  // the list's delete question
};

const PaymentModeTexts& PaymentTexts(int mode);
