#include "dialogs.h"

#include "qt_dialog_handler.h"

namespace {

DialogHandler*& Installed() {
  static DialogHandler* handler = nullptr;
  return handler;
}

DialogHandler& Current() {
  static QtDialogHandler real;
  DialogHandler* installed = Installed();
  return installed != nullptr ? *installed : real;
}

}  // namespace

DialogHandler* SetDialogHandler(DialogHandler* handler) {
  DialogHandler* previous = Installed();
  Installed() = handler;
  return previous;
}

void ShowMessage(const QString& text) {
  Current().ShowMessage(text);
}

bool AskYesNo(const QString& text, DefaultAnswer byDefault) {
  const int yes = 0;
  const int no = 1;
  return AskChoice(text, {QStringLiteral("はい"), QStringLiteral("いいえ")},
                   byDefault == DefaultAnswer::Yes ? yes : no, no) == yes;
}

int AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
              int escapeButton) {
  return Current().AskChoice(text, buttons, defaultButton, escapeButton);
}

int ShowModal(QDialog* dialog) {
  return Current().ShowModal(dialog);
}

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter) {
  return Current().AskOpenFileName(parent, caption, dir, filter);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter) {
  return Current().AskSaveFileName(parent, caption, dir, filter);
}

std::unique_ptr<Progress> StartProgress(QWidget* parent, const QString& text, int steps) {
  return Current().StartProgress(parent, text, steps);
}
