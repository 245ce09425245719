#include "form_log_in.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "dialogs.h"
#include "form_controls.h"
#include "input_method.h"
#include "sjis_codec.h"
#include "text_bytes.h"

namespace {

QLabel* BoldLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

TFormLogIn::TFormLogIn(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormLogIn"));
  setWindowTitle(QStringLiteral("パスワードの入力"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  EditPassword = TextField(this, QStringLiteral("EditPassword"), Ime::Off);
  EditPassword->setEchoMode(QLineEdit::Password);
  SetImeOff(EditPassword);  // the echo mode switched it back
  EditPassword->setFixedWidth(381);
  EditPassword->installEventFilter(this);
  ButtonOk = FormButton(this, QStringLiteral("OK"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      BoldLabel(QStringLiteral("このファイルにはパスワードが設定されています。"), this));
  layout->addWidget(BoldLabel(QStringLiteral("パスワードを入力してください。"), this));
  layout->addWidget(EditPassword);
  layout->addLayout(ControlRow({}, {ButtonOk, ButtonCancel}));
  resize(406, 148);

  // Cancel is the window's cancel button: Esc presses it.
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormLogIn::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormLogIn::FormShow() {
  EditPassword->clear();
  EditPassword->setFocus();
}

bool TFormLogIn::eventFilter(QObject* watched, QEvent* event) {
  // EditPasswordKeyPress: Enter clicks OK.
  if (watched == EditPassword && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      ButtonOk->click();
      return true;
    }
  }
  return TForm::eventFilter(watched, event);
}

void TFormLogIn::done(int result) {
  if (result == Accepted && EditPassword->text().isEmpty()) {
    ShowMessage(QStringLiteral("パスワードを入力して下さい。"));
    EditPassword->setFocus();
    return;
  }
  TForm::done(result);
}

std::string TFormLogIn::Password() const {
  return TextBytes(EditPassword->text());
}

std::optional<std::string> AskPasswordWithLogIn(TFormLogIn* form) {
  if (ShowModal(form) != QDialog::Accepted) return std::nullopt;
  return form->Password();
}
