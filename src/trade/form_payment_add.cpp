#include "form_payment_add.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

#include "amount_text.h"
#include "amount_typing.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "document.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "payment_mode.h"
#include "pickers.h"
#include "sjis_codec.h"
#include "sjis_guard.h"
#include "ss_edit.h"
#include "text_bytes.h"
#include "window_style.h"

namespace {

// Payments are whole yen, whatever the partner's decimals.
constexpr int kWholeYen = 0;

}  // namespace

TFormPaymentAdd::TFormPaymentAdd(Document& doc) : TEntryForm(doc) {
  setWindowTitle(PaymentTexts(kCustomerKind).addCaption);
  LabelDate = new QLabel(this);
  LabelDate->setObjectName(QStringLiteral("LabelDate"));
  DateTimePickerNyukin = DatePicker(this, QStringLiteral("DateTimePickerNyukin"));
  LabelPrice = new QLabel(this);
  LabelPrice->setObjectName(QStringLiteral("LabelPrice"));
  SsEditPrice = TSsEdit::Plain(this);
  SsEditPrice->setObjectName(QStringLiteral("SsEditPrice"));
  GuardSjis(SsEditPrice);
  SsEditPrice->OnEnter = [this] { SsEditPriceEnter(); };
  SsEditPrice->OnExit = [this] { SsEditPriceExit(); };
  connect(SsEditPrice, &QLineEdit::textChanged, this, &TFormPaymentAdd::SsEditPriceChange);
  EditNote = TextField(this, QStringLiteral("EditNote"), Ime::On);
  ButtonOk = FormButton(this, QStringLiteral("登録"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
  BuildLayout();
  InstallEnterNavigation(this);
}

void TFormPaymentAdd::BuildLayout() {
  auto* fields = new QGridLayout;
  fields->addWidget(LabelDate, 0, 0);
  fields->addWidget(DateTimePickerNyukin, 0, 1);
  fields->addWidget(LabelPrice, 1, 0);
  fields->addWidget(SsEditPrice, 1, 1);
  fields->addWidget(new QLabel(QStringLiteral("備考"), this), 2, 0);
  fields->addWidget(EditNote, 2, 1, 1, 3);
  fields->setColumnStretch(3, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addStretch();
  layout->addLayout(ControlRow({}, {ButtonOk, ButtonCancel}));
  SetFixedWindowStyle(this, {567, 184});
}

void TFormPaymentAdd::PrepareNewPayment(int mode, int32_t partnerId) {
  payment_ = Payment{-1, partnerId, DatePart(Today()), Money{}, {}};
  SetModeTexts(mode, true);
}

void TFormPaymentAdd::PrepareEditPayment(int mode, int32_t paymentId) {
  const PaymentList& list = Doc().PaymentsOf(mode);
  const int index = list.IndexOf(paymentId);
  payment_ = index >= 0 ? list.Get(index) : Payment{-1, -1, DatePart(Today()), Money{}, {}};
  SetModeTexts(mode, false);
}

void TFormPaymentAdd::SetModeTexts(int mode, bool adding) {
  const PaymentModeTexts& texts = PaymentTexts(mode);
  setWindowTitle(adding ? texts.addCaption : texts.editCaption);
  ButtonOk->setText(adding ? QStringLiteral("登録") : QStringLiteral("変更"));
  LabelDate->setText(texts.date);
  LabelPrice->setText(texts.amount);
}

void TFormPaymentAdd::FormShow() {
  DateTimePickerNyukin->setDate(ToQDate(payment_.date));
  SsEditPrice->SetText(FormattedAmount(payment_.amount));
  EditNote->setText(FromSjis(payment_.note));
  DateTimePickerNyukin->setFocus();
}

void TFormPaymentAdd::showEvent(QShowEvent* event) {
  TEntryForm::showEvent(event);
  FormShow();
}

void TFormPaymentAdd::SsEditPriceChange() {
  const QString kept = AmountWhileTyping(SsEditPrice->text());
  if (kept != SsEditPrice->text()) SsEditPrice->setText(kept);
}

void TFormPaymentAdd::SsEditPriceEnter() {
  SsEditPrice->setText(CleanedAmountText(SsEditPrice->text()));
}

void TFormPaymentAdd::SsEditPriceExit() {
  SsEditPrice->setText(ReformattedAmountText(SsEditPrice->text(), kWholeYen));
}

// The amount is checked as it will be stored, in whole yen: "0.00", "-0" and "0.5" are
// no payment either.
bool TFormPaymentAdd::FormCloseQuery() {
  SsEditPriceExit();
  const std::optional<Money> amount = AmountOf(SsEditPrice->text());
  if (!amount || *amount == Money{}) {
    ShowMessage(QStringLiteral("入金額を正しく入力して下さい。"));
    SsEditPrice->setFocus();
    return false;
  }
  payment_.date = DatePart(FromQDate(DateTimePickerNyukin->date()));
  payment_.amount = *amount;
  payment_.note = TextBytes(EditNote->text());
  return true;
}
