#include "dialog_script.h"

#include <QCoreApplication>

#include <optional>

namespace {

std::string Quoted(const QString& text) {
  return "\"" + text.toStdString() + "\"";
}

}  // namespace

DialogScript::DialogScript() : previous_(SetDialogHandler(this)) {}

DialogScript::~DialogScript() {
  SetDialogHandler(previous_);
  if (!answers_.empty()) ADD_FAILURE() << answers_.size() << " answer(s) never asked for";
  if (!modals_.empty()) ADD_FAILURE() << modals_.size() << " modal window(s) never shown";
  if (!cancels_.empty()) ADD_FAILURE() << cancels_.size() << " cancel(s) never reached";
  if (!open_files_.empty() || !save_files_.empty()) {
    ADD_FAILURE() << open_files_.size() + save_files_.size() << " file choice(s) never asked for";
  }
}

void DialogScript::ExpectModal(ModalHandler handler) {
  modals_.push_back(std::move(handler));
}

void DialogScript::ShowMessage(const QString& text) {
  messages_.append(text);
}

int DialogScript::AskChoice(const QString& text, const QStringList& buttons, int defaultButton,
                            int escapeButton) {
  questions_.append(text);
  default_buttons_.append(buttons.value(defaultButton));
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question " << Quoted(text) << ", closed";
    return escapeButton;
  }
  const QString answer = answers_.front();
  answers_.pop_front();
  const int index = static_cast<int>(buttons.indexOf(answer));
  if (index < 0) {
    ADD_FAILURE() << "question " << Quoted(text) << " has no button " << Quoted(answer);
    return escapeButton;
  }
  return index;
}

int DialogScript::ShowModal(QDialog* dialog) {
  const QString name = QString::fromLatin1(dialog->metaObject()->className());
  modal_windows_.append(name);
  if (modals_.empty()) {
    ADD_FAILURE() << "unexpected modal window " << name.toStdString() << ", rejected";
    dialog->reject();
    return dialog->result();
  }
  // Taken off the queue first: windows opened by the handler take the next ones.
  const ModalHandler handler = std::move(modals_.front());
  modals_.pop_front();
  dialog->setResult(QDialog::Rejected);
  dialog->show();
  QCoreApplication::processEvents();
  handler(*dialog);
  if (dialog->isVisible()) {
    ADD_FAILURE() << name.toStdString() << " was left open by its handler, rejected";
    dialog->reject();
  }
  return dialog->result();
}

QString DialogScript::AskOpenFileName(QWidget* /*parent*/, const QString& caption,
                                      const QString& dir, const QString& filter) {
  return NextFile(open_files_, caption, dir, filter);
}

QString DialogScript::AskSaveFileName(QWidget* /*parent*/, const QString& caption,
                                      const QString& dir, const QString& filter) {
  return NextFile(save_files_, caption, dir, filter);
}

QString DialogScript::NextFile(std::deque<QString>& queue, const QString& caption,
                               const QString& dir, const QString& filter) {
  file_requests_.push_back({caption, dir, filter});
  if (queue.empty()) return QString();
  const QString path = queue.front();
  queue.pop_front();
  return path;
}

namespace {

class ScriptedProgress : public Progress {
 public:
  ScriptedProgress(std::vector<DialogScript::ProgressRun>& runs, size_t index,
                   std::optional<int> cancelAt)
      : runs_(runs), index_(index), cancelAt_(cancelAt) {}
  bool Step(int done) override {
    runs_[index_].done = done;
    return !cancelAt_ || done < *cancelAt_;
  }

 private:
  std::vector<DialogScript::ProgressRun>& runs_;
  size_t index_;
  std::optional<int> cancelAt_;
};

}  // namespace

std::unique_ptr<Progress> DialogScript::StartProgress(QWidget*, const QString& text, int steps) {
  progresses_.push_back({text, steps, 0});
  std::optional<int> cancelAt;
  if (!cancels_.empty()) {
    cancelAt = cancels_.front();
    cancels_.pop_front();
  }
  return std::make_unique<ScriptedProgress>(progresses_, progresses_.size() - 1, cancelAt);
}
