#pragma once

#include <QString>
#include <QStringList>

#include <memory>

class QDialog;
class QWidget;

// Every message box, question, modal window and file dialog of the program goes through
// these functions, so that tests can install a handler of their own and drive any window
// without a person at the screen.

// Plain message box with one OK button.
void ShowMessage(const QString& text);
// Which button of a yes/no question Enter presses.
enum class DefaultAnswer { Yes, No };

// Question with the buttons "はい" and "いいえ"; true only for "はい". Enter presses いいえ
// unless the caller says otherwise, so that one Enter never throws data away.
bool AskYesNo(const QString& text, DefaultAnswer byDefault = DefaultAnswer::No);
// Question with buttons of its own: the index of the button pressed. Enter presses
// `defaultButton`; Esc and the close box give `escapeButton`.
int AskChoice(const QString& text, const QStringList& buttons, int defaultButton, int escapeButton);
// Shows the window modally and returns its result (QDialog::Accepted or Rejected).
int ShowModal(QDialog* dialog);
// File dialogs; an empty string means the user cancelled. The filter is in Qt's form,
// "販売管理ファイル (*.TLG)"; its first extension is added to a name typed without one
// before the save dialog asks whether to replace an existing file. `dir` is the folder to
// start in, optionally followed by the text the file-name field starts with.
QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter);
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                        const QString& filter);

// Long work in steps: the window with "キャンセル" that shows while it lasts, from half a
// second on. Step reports how many steps are done and is false once the user cancelled;
// the window closes when the object goes.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual bool Step(int done) = 0;
};
std::unique_ptr<Progress> StartProgress(QWidget* parent, const QString& text, int steps);

class DialogHandler {
 public:
  virtual ~DialogHandler() = default;
  virtual void ShowMessage(const QString& text) = 0;
  virtual int AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
                        int escapeButton) = 0;
  virtual int ShowModal(QDialog* dialog) = 0;
  virtual QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter) = 0;
  virtual QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                                  const QString& filter) = 0;
  virtual std::unique_ptr<Progress> StartProgress(QWidget* parent, const QString& text,
                                                  int steps) = 0;
};

// Installs the handler (not owned) and returns the one it replaces; nullptr brings back
// the real Qt dialogs.
DialogHandler* SetDialogHandler(DialogHandler* handler);
