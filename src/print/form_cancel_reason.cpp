#include "form_cancel_reason.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "dialogs.h"
#include "form_controls.h"
#include "window_style.h"

TFormCancelReason::TFormCancelReason(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormCancelReason"));
  setWindowTitle(QStringLiteral("取消"));
  EditReason = TextField(this, QStringLiteral("EditReason"), Ime::On);
  ButtonOk = FormButton(this, QStringLiteral("OK"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  ButtonOk->setDefault(true);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("取消の理由"), this), 0, 0);
  layout->addWidget(EditReason, 0, 1, 1, 2);
  layout->addWidget(ButtonOk, 1, 1);
  layout->addWidget(ButtonCancel, 1, 2);
  layout->setColumnStretch(1, 1);
  SetFixedWindowStyle(this, {420, 90});
  connect(ButtonOk, &QPushButton::clicked, this, &TFormCancelReason::ButtonOkClick);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TFormCancelReason::Reason() const {
  return EditReason->text().trimmed();
}

void TFormCancelReason::ButtonOkClick() {
  if (Reason().isEmpty()) {
    ShowMessage(QStringLiteral("取消の理由を入力してください。"));
    EditReason->setFocus();
    return;
  }
  accept();
}
