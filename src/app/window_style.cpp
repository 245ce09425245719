#include "window_style.h"

#include <QDialog>

void SetFixedWindowStyle(QDialog* window, QSize clientSize) {
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  window->setFixedSize(clientSize.expandedTo(window->minimumSizeHint()));
}

void SetResizableWindowStyle(QDialog* window, QSize clientSize) {
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                         Qt::WindowCloseButtonHint);
  window->setMinimumSize(clientSize);
  window->resize(clientSize);
}
