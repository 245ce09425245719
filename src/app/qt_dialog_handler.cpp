#include "qt_dialog_handler.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "app_title.h"

namespace {

// The box belongs to the window in front, so that it stays over the modal window that
// asked.
void PrepareBox(QMessageBox& box, const QString& text) {
  box.setWindowTitle(AppTitle());
  box.setText(text);
}

}  // namespace

void QtDialogHandler::ShowMessage(const QString& text) {
  QMessageBox box(QApplication::activeWindow());
  PrepareBox(box, text);
  box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.exec();
}

bool QtDialogHandler::AskYesNo(const QString& text) {
  QMessageBox box(QApplication::activeWindow());
  PrepareBox(box, text);
  box.setIcon(QMessageBox::Question);
  QPushButton* yes = box.addButton(QStringLiteral("はい"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QStringLiteral("いいえ"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

int QtDialogHandler::ShowModal(QDialog* dialog) {
  return dialog->exec();
}

QString QtDialogHandler::AskOpenFileName(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString QtDialogHandler::AskSaveFileName(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}
