#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs.h"
#include "qt_printers.h"

// Stands in for every dialog of the program while it lives, so that windows can be driven
// without a screen. It records messages and questions, answers questions and file dialogs
// from queues, and acts on each modal window with the next queued handler:
//
//   DialogScript script;
//   script.AnswerYes();
//   script.ExpectModal<TFormLogIn>([](TFormLogIn& form) {
//     form.EditPassword->setText("secret");
//     form.ButtonOk->click();
//   });
//   ... run the code under test ...
//   EXPECT_EQ(script.Messages(), QStringList{"パスワードが正しくありません。"});
//
// A modal window is shown (so its show handler runs) before its handler is called, and
// handlers may open further modal windows, which take the next handlers in the queue.
// Test failures: a question or modal window with nothing queued for it, a window that its
// handler left open (it is then rejected), and anything still queued when the script ends.
class DialogScript : public DialogHandler {
 public:
  using ModalHandler = std::function<void(QDialog&)>;

  struct FileRequest {
    QString caption;
    QString dir;
    QString filter;
  };

  DialogScript();
  ~DialogScript() override;
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  void AnswerYes() { answers_.push_back(QStringLiteral("はい")); }
  void AnswerNo() { answers_.push_back(QStringLiteral("いいえ")); }
  // Presses the button with this caption in the next question with buttons of its own.
  void Choose(const QString& button) { answers_.push_back(button); }
  // An empty path cancels the dialog; so does a dialog with nothing queued.
  void ChooseOpenFile(const QString& path) { open_files_.push_back(path); }
  void ChooseSaveFile(const QString& path) { save_files_.push_back(path); }
  // The next progress window is cancelled once `step` steps are done; without one queued
  // the work runs to its end.
  void CancelProgressAt(int step) { cancels_.push_back(step); }

  void ExpectModal(ModalHandler handler);
  // Also checks that the window shown is a Dialog.
  template <class Dialog>
  void ExpectModal(std::function<void(Dialog&)> handler);

  static void Accept(QDialog& dialog) { dialog.accept(); }
  static void Reject(QDialog& dialog) { dialog.reject(); }

  const QStringList& Messages() const { return messages_; }
  const QStringList& Questions() const { return questions_; }
  // The caption of the button Enter would have pressed, per question.
  const QStringList& DefaultButtons() const { return default_buttons_; }
  // Class names of the modal windows, in the order they were shown.
  const QStringList& ModalWindows() const { return modal_windows_; }
  const std::vector<FileRequest>& FileRequests() const { return file_requests_; }
  struct ProgressRun {
    QString text;
    int steps = 0;
    int done = 0;  // the last step reported
  };
  const std::vector<ProgressRun>& Progresses() const { return progresses_; }

  void ShowMessage(const QString& text) override;
  int AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
                int escapeButton) override;
  int ShowModal(QDialog* dialog) override;
  QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
  QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& dir,
                          const QString& filter) override;
  std::unique_ptr<Progress> StartProgress(QWidget* parent, const QString& text, int steps) override;

 private:
  QString NextFile(std::deque<QString>& queue, const QString& caption, const QString& dir,
                   const QString& filter);

  DialogHandler* previous_ = nullptr;
  std::deque<QString> answers_;
  std::deque<QString> open_files_;
  std::deque<QString> save_files_;
  std::deque<ModalHandler> modals_;
  QStringList messages_;
  QStringList questions_;
  QStringList default_buttons_;
  QStringList modal_windows_;
  std::vector<FileRequest> file_requests_;
  std::deque<int> cancels_;
  std::vector<ProgressRun> progresses_;
};

template <class Dialog>
void DialogScript::ExpectModal(std::function<void(Dialog&)> handler) {
  static_assert(std::is_base_of_v<QDialog, Dialog>);
  ExpectModal([handler = std::move(handler)](QDialog& dialog) {
    auto* expected = dynamic_cast<Dialog*>(&dialog);
    if (expected == nullptr) {
      ADD_FAILURE() << "expected a " << Dialog::staticMetaObject.className() << ", but a "
                    << dialog.metaObject()->className() << " was shown";
      dialog.reject();
      return;
    }
    handler(*expected);
  });
}
