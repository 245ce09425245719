#include "print_forms.h"

#include "form_archive_search.h"
#include "form_delivery_print.h"
#include "form_preview.h"
#include "form_receipt_print.h"
#include "form_set_printer.h"

void AddPrintForms(FormFactories& factories) {
  factories[FormId::SetPrinter] = [](Document& doc) { return new TFormSetPrinter(doc); };
  factories[FormId::Preview] = [](Document& doc) { return new TFormPreview(doc); };
  factories[FormId::DeliveryPrint] = [](Document& doc) { return new TFormDeliveryPrint(doc); };
  factories[FormId::ReceiptPrint] = [](Document& doc) { return new TFormReceiptPrint(doc); };
  factories[FormId::ArchiveSearch] = [](Document& doc) { return new TFormArchiveSearch(doc); };
}
