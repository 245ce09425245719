#include "print_hand_off.h"

#include "dialogs.h"
#include "form_registry.h"
#include "form_set_printer.h"

void PrintReport(int kind, Report report) {
  if (report.pageCount <= 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  auto* printer = Forms().As<TFormSetPrinter>(FormId::SetPrinter);
  if (printer == nullptr) return;
  printer->Tag = kind;
  printer->SetReport(std::move(report));
  ShowModal(printer);
  printer->SetReport({});
}
