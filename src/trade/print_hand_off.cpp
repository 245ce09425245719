#include "print_hand_off.h"

#include <QTableWidget>

#include "dialogs.h"
#include "form_registry.h"

void PrintShownRows(const QTableWidget* view, int reportKind) {
  if (view->rowCount() == 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  // The printer-choice window is part of the build once printing is.
  if (TForm* printer = Forms().Get(FormId::SetPrinter)) {
    printer->Tag = reportKind;
    ShowModal(printer);
  }
}
