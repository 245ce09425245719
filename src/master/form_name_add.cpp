#include "form_name_add.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs.h"
#include "form_controls.h"
#include "window_style.h"

namespace {

bool IsEnter(const QKeyEvent& key) {
  return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

}  // namespace

TFormNameAdd::TFormNameAdd(Document& doc, const NameEntryDesign& design)
    : TEntryForm(doc), design_(design) {
  SetEscCancels(design.escCancels);
  edit_ = TextField(this, design.editName, Ime::On);
  edit_->setFixedWidth(design.editWidth);
  edit_->installEventFilter(this);
  ButtonOk = new QPushButton(QStringLiteral("OK"), this);
  ButtonOk->setObjectName(QStringLiteral("ButtonOk"));
  ButtonCancel = new QPushButton(QStringLiteral("キャンセル"), this);
  ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* editRow = new QHBoxLayout;
  if (!design.label.isEmpty()) editRow->addWidget(new QLabel(design.label, this));
  editRow->addWidget(edit_);
  editRow->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonOk);
  buttons->addWidget(ButtonCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(editRow);
  layout->addStretch();
  layout->addLayout(buttons);
  SetFixedWindowStyle(this, design.clientSize);
}

void TFormNameAdd::Prepare(const QString& caption, const QString& text) {
  setWindowTitle(caption);
  edit_->setText(text);
}

QString TFormNameAdd::Text() const {
  return edit_->text();
}

void TFormNameAdd::FormShow() {
  edit_->setFocus();
}

bool TFormNameAdd::FormCloseQuery() {
  if (!IsBlankText(edit_->text())) return true;
  ShowMessage(design_.emptyMessage);
  edit_->setFocus();
  return false;
}

void TFormNameAdd::showEvent(QShowEvent* event) {
  TEntryForm::showEvent(event);
  FormShow();
}

bool TFormNameAdd::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    return EditKeyPress(static_cast<const QKeyEvent&>(*event));
  }
  return TEntryForm::eventFilter(watched, event);
}

bool TFormNameAdd::EditKeyPress(const QKeyEvent& key) {
  if (!IsEnter(key)) return false;
  ButtonOk->click();
  return true;
}
