#pragma once

#include "dialogs.h"

// The real dialogs: QMessageBox, QDialog::exec and QFileDialog.
class QtDialogHandler : public DialogHandler {
 public:
  void ShowMessage(const QString& text) override;
  int AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
                int escapeButton) override;
  int ShowModal(QDialog* dialog) override;
  QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
  QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
  std::unique_ptr<Progress> StartProgress(QWidget* parent, const QString& text,
                                          int steps) override;
};
