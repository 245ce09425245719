#include "qt_dialog_handler.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>

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

int QtDialogHandler::AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
                               int escapeButton) {
  QMessageBox box(QApplication::activeWindow());
  PrepareBox(box, text);
  box.setIcon(QMessageBox::Question);
  QList<QPushButton*> pushButtons;
  for (const QString& caption : buttons) {
    pushButtons.append(box.addButton(caption, QMessageBox::ActionRole));
  }
  box.setDefaultButton(pushButtons.value(defaultButton));
  box.setEscapeButton(pushButtons.value(escapeButton));
  box.exec();
  const int pressed = pushButtons.indexOf(static_cast<QPushButton*>(box.clickedButton()));
  return pressed >= 0 ? pressed : escapeButton;
}

int QtDialogHandler::ShowModal(QDialog* dialog) {
  return dialog->exec();
}

namespace {

// The first extension of the filter, "TLG" for "販売管理ファイル (*.TLG *.tlg)".
QString DefaultSuffix(const QString& filter) {
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
  return m.hasMatch() ? m.captured(1) : QString();
}

// `dir` may end in a file name, which the name field starts with.
QString RunFileDialog(QWidget* parent, const QString& caption, const QString& dir,
                      const QString& filter, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, caption, dir, filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                     : QFileDialog::AnyFile);
  // The extension is added inside the dialog, so that its question before replacing a file
  // is asked about the name that is really written.
  dialog.setDefaultSuffix(DefaultSuffix(filter));
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

}  // namespace

QString QtDialogHandler::AskOpenFileName(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter) {
  return RunFileDialog(parent, caption, dir, filter, QFileDialog::AcceptOpen);
}

QString QtDialogHandler::AskSaveFileName(QWidget* parent, const QString& caption,
                                         const QString& dir, const QString& filter) {
  return RunFileDialog(parent, caption, dir, filter, QFileDialog::AcceptSave);
}

namespace {

// QProgressDialog shows itself once the work looks like lasting beyond its minimum
// duration; being window-modal, each step lets the キャンセル button be pressed.
class DialogProgress : public Progress {
 public:
  DialogProgress(QWidget* parent, const QString& text, int steps)
      : dialog_(text, QStringLiteral("キャンセル"), 0, steps, parent) {
    dialog_.setWindowTitle(AppTitle());
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoClose(false);
    dialog_.setAutoReset(false);
    dialog_.setValue(0);
  }
  bool Step(int done) override {
    dialog_.setValue(done);
    return !dialog_.wasCanceled();
  }

 private:
  QProgressDialog dialog_;
};

}  // namespace

std::unique_ptr<Progress> QtDialogHandler::StartProgress(QWidget* parent, const QString& text,
                                                         int steps) {
  return std::make_unique<DialogProgress>(parent, text, steps);
}
