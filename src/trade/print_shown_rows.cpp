#include "print_shown_rows.h"

#include <QTableWidget>

#include "dialogs.h"

void PrintShownRows(const QTableWidget* view, int reportKind) {
  if (view->rowCount() == 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  // The invoice and the confirmation list have no pages yet: the check above is all
  // that printing does for them until their layouts exist.
  (void)reportKind;
}
