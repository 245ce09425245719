#include "form.h"

#include <QKeyEvent>

void TForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !escCancels_) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}
