#include "form_customer_add.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTimeEdit>
#include <QToolTip>
#include <QVBoxLayout>

#include "amount_text.h"
#include "amount_typing.h"
#include "dialogs.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "partner_rules.h"
#include "pickers.h"
#include "radio_group.h"
#include "sjis_codec.h"
#include "sjis_guard.h"
#include "ss_edit.h"
#include "term_choices.h"
#include "text_bytes.h"
#include "time_of_day.h"
#include "window_style.h"

namespace {

// The rate and the receipts balance keep two decimals; the carried-over balance is whole.
constexpr int kAmountDecimals = 2;
constexpr int kBalanceDecimals = 0;
constexpr int kNamePixelSize = 19;

QString AmountText(Money value) {
  return QString::fromLatin1(MoneyToText(value));
}

Money EnteredAmount(const TSsEdit* edit) {
  // The change handler keeps every amount field readable.
  return AmountOf(edit->Text()).value_or(Money{});
}

}  // namespace

TFormCustomerAdd::TFormCustomerAdd(Document& doc) : TEntryForm(doc) {
  BuildControls();
  BuildTerms();
  ButtonOk = FormButton(this, QStringLiteral("OK"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
  BuildLayout();
  InstallEnterNavigation(this);
}

// The left column, created in tab order.
void TFormCustomerAdd::BuildControls() {
  EditName = TextField(this, QStringLiteral("EditName"), Ime::On);
  QFont large = EditName->font();
  large.setPixelSize(kNamePixelSize);
  EditName->setFont(large);
  EditPostal = TextField(this, QStringLiteral("EditPostal"), Ime::Off);
  EditAddress1 = TextField(this, QStringLiteral("EditAddress1"), Ime::On);
  EditAddress2 = TextField(this, QStringLiteral("EditAddress2"), Ime::On);
  EditSection = TextField(this, QStringLiteral("EditSection"), Ime::On);
  EditPerson = TextField(this, QStringLiteral("EditPerson"), Ime::On);
  EditTel = TextField(this, QStringLiteral("EditTel"), Ime::Off);
  EditFax = TextField(this, QStringLiteral("EditFax"), Ime::Off);
  EditCollectPlace = TextField(this, QStringLiteral("EditCollectPlace"), Ime::On);
  DateTimePickerOpen = TimePicker(this, QStringLiteral("DateTimePickerOpen"));
  DateTimePickerClose = TimePicker(this, QStringLiteral("DateTimePickerClose"));
  SsEditRate = AmountEdit(QStringLiteral("SsEditRate"));
  SsEditKurikoshi = AmountEdit(QStringLiteral("SsEditKurikoshi"));
  SsEditNyukin = AmountEdit(QStringLiteral("SsEditNyukin"));
  SsEditRate->OnExit = [this] { SsEditRateExit(SsEditRate); };
  SsEditKurikoshi->OnExit = [this] { SsEditKurikoshiExit(); };
  SsEditNyukin->OnExit = [this] { SsEditRateExit(SsEditNyukin); };
  EditNote = TextField(this, QStringLiteral("EditNote"), Ime::On);
}

// The right column: the basis of the terms and the terms themselves.
void TFormCustomerAdd::BuildTerms() {
  RadioGroupInitiative =
      new RadioGroup(QStringLiteral("各種条件の基準"),
                     {QStringLiteral("取引先"), QStringLiteral("自社")}, 2, this);
  RadioGroupInitiative->setObjectName(QStringLiteral("RadioGroupInitiative"));
  ComboBoxPeriod = PickList(this, QStringLiteral("ComboBoxPeriod"), DayChoices());
  ComboBoxPayMonth = PickList(this, QStringLiteral("ComboBoxPayMonth"), PayMonthChoices());
  ComboBoxPayDay = PickList(this, QStringLiteral("ComboBoxPayDay"), DayChoices());
  RadioGroupUnderOne =
      new RadioGroup(QStringLiteral("数量・単価の小数点以下の処理"), DecimalsChoices(), 1, this);
  RadioGroupUnderOne->setObjectName(QStringLiteral("RadioGroupUnderOne"));
  RadioGroupRound =
      new RadioGroup(QStringLiteral("金額の端数処理方法"), RoundingChoices(), 3, this);
  RadioGroupRound->setObjectName(QStringLiteral("RadioGroupRound"));
  // Only the user's picks are checked; filling the window from a record is not.
  connect(ComboBoxPayDay, &QComboBox::activated, this, &TFormCustomerAdd::ComboBoxPayDayChange);
  connect(ComboBoxPeriod, &QComboBox::activated, this, &TFormCustomerAdd::ComboBoxPeriodChange);
  connect(ComboBoxPayMonth, &QComboBox::activated, this, &TFormCustomerAdd::ComboBoxPeriodChange);
  for (QComboBox* term : {ComboBoxPeriod, ComboBoxPayMonth}) {
    connect(term, &QComboBox::currentIndexChanged, this, &TFormCustomerAdd::UpdatePayDayChoices);
  }
}

TSsEdit* TFormCustomerAdd::AmountEdit(const QString& name) {
  TSsEdit* edit = TSsEdit::Plain(this);
  edit->setObjectName(name);
  edit->OnEnter = [this, edit] { SsEditRateEnter(edit); };
  connect(edit, &QLineEdit::textChanged, this, [this, edit] { SsEditRateChange(edit); });
  return edit;
}

void TFormCustomerAdd::BuildLayout() {
  auto* hours = new QHBoxLayout;
  hours->addWidget(DateTimePickerOpen);
  hours->addWidget(new QLabel(QStringLiteral("～"), this));
  hours->addWidget(DateTimePickerClose);
  hours->addStretch();
  auto* rate = new QHBoxLayout;
  rate->addWidget(SsEditRate);
  rate->addWidget(new QLabel(QStringLiteral("％"), this));
  rate->addStretch();
  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("取引先名"), EditName);
  left->addRow(QStringLiteral("〒"), EditPostal);
  left->addRow(QStringLiteral("住所１"), EditAddress1);
  left->addRow(QStringLiteral("住所２"), EditAddress2);
  left->addRow(QStringLiteral("担当者部署"), EditSection);
  left->addRow(QStringLiteral("担当者名"), EditPerson);
  left->addRow(QStringLiteral("TEL"), EditTel);
  left->addRow(QStringLiteral("FAX"), EditFax);
  left->addRow(QStringLiteral("集金時訪問先"), EditCollectPlace);
  left->addRow(QStringLiteral("営業時間"), hours);
  left->addRow(QStringLiteral("卸値設定"), rate);
  left->addRow(QStringLiteral("初期繰越残高"), SsEditKurikoshi);
  left->addRow(QStringLiteral("初期入金残高"), SsEditNyukin);
  auto* payment = new QHBoxLayout;
  payment->addWidget(ComboBoxPayMonth);
  payment->addWidget(ComboBoxPayDay);
  auto* terms = new QFormLayout;
  terms->addRow(QStringLiteral("締日"), ComboBoxPeriod);
  terms->addRow(QStringLiteral("支払日"), payment);
  auto* right = new QVBoxLayout;
  right->addWidget(RadioGroupInitiative);
  right->addLayout(terms);
  right->addWidget(RadioGroupUnderOne);
  right->addWidget(RadioGroupRound);
  right->addStretch();
  LayOutEntryWindow(this, left, right, EditNote, ControlRow({}, {ButtonOk, ButtonCancel}));
  SetFixedWindowStyle(this, {870, 544});
}

void TFormCustomerAdd::Prepare(const QString& caption, const CustomerRecord& partner) {
  setWindowTitle(caption);
  id_ = partner.id;
  const std::pair<QLineEdit*, const std::string*> texts[] = {
      {EditName, &partner.name},
      {EditPostal, &partner.postal},
      {EditAddress1, &partner.address1},
      {EditAddress2, &partner.address2},
      {EditSection, &partner.section},
      {EditPerson, &partner.person},
      {EditTel, &partner.tel},
      {EditFax, &partner.fax},
      {EditCollectPlace, &partner.collectPlace},
      {EditNote, &partner.note}};
  for (const auto& [edit, text] : texts) edit->setText(FromSjis(*text));
  DateTimePickerOpen->setTime(TimeOfDay(partner.openTime));
  DateTimePickerClose->setTime(TimeOfDay(partner.closeTime));
  SsEditRate->SetText(AmountText(partner.priceRate));
  SsEditKurikoshi->SetText(AmountText(partner.openingBalance));
  SsEditNyukin->SetText(AmountText(partner.openingReceipts));
  RadioGroupInitiative->SetItemIndex(partner.basis);
  ComboBoxPeriod->setCurrentIndex(partner.closingDay);
  ComboBoxPayMonth->setCurrentIndex(partner.payMonth);
  ComboBoxPayDay->setCurrentIndex(partner.payDay);
  RadioGroupUnderOne->SetItemIndex(partner.decimals);
  RadioGroupRound->SetItemIndex(partner.rounding);
}

CustomerRecord TFormCustomerAdd::Entered() const {
  CustomerRecord r;
  r.id = id_;
  r.name = TextBytes(EditName->text());
  r.postal = TextBytes(EditPostal->text());
  r.address1 = TextBytes(EditAddress1->text());
  r.address2 = TextBytes(EditAddress2->text());
  r.section = TextBytes(EditSection->text());
  r.person = TextBytes(EditPerson->text());
  r.tel = TextBytes(EditTel->text());
  r.fax = TextBytes(EditFax->text());
  r.collectPlace = TextBytes(EditCollectPlace->text());
  r.openTime = DayFraction(DateTimePickerOpen->time());
  r.closeTime = DayFraction(DateTimePickerClose->time());
  r.priceRate = EnteredAmount(SsEditRate);
  r.openingBalance = EnteredAmount(SsEditKurikoshi);
  r.openingReceipts = EnteredAmount(SsEditNyukin);
  r.basis = RadioGroupInitiative->ItemIndex();
  r.closingDay = ComboBoxPeriod->currentIndex();
  r.payMonth = ComboBoxPayMonth->currentIndex();
  r.payDay = ComboBoxPayDay->currentIndex();
  r.decimals = RadioGroupUnderOne->ItemIndex();
  r.rounding = RadioGroupRound->ItemIndex();
  r.note = TextBytes(EditNote->text());
  return r;
}

void TFormCustomerAdd::FormShow() {
  EditName->setFocus();
}

void TFormCustomerAdd::SsEditRateEnter(TSsEdit* sender) {
  sender->setText(CleanedAmountText(sender->text()));
}

void TFormCustomerAdd::SsEditRateExit(TSsEdit* sender) {
  sender->setText(ReformattedAmountText(sender->text(), kAmountDecimals));
}

void TFormCustomerAdd::SsEditKurikoshiExit() {
  SsEditKurikoshi->setText(ReformattedAmountText(SsEditKurikoshi->text(), kBalanceDecimals));
}

void TFormCustomerAdd::SsEditRateChange(TSsEdit* sender) {
  const QString kept = AmountWhileTyping(sender->text());
  if (kept != sender->text()) sender->setText(kept);
}

namespace {
const QString kSameMonthRule =
    QStringLiteral("当月支払の場合、支払日を締日より前に設定することは出来ません。");
}  // namespace

// Told as a tip: a message box would take the keys the clerk goes on typing.
void TFormCustomerAdd::ComboBoxPayDayChange() {
  if (!PaymentDayTooEarly()) return;
  ComboBoxPayDay->setCurrentIndex(ComboBoxPeriod->currentIndex());
  QToolTip::showText(ComboBoxPayDay->mapToGlobal(QPoint(0, ComboBoxPayDay->height())),
                     kSameMonthRule, ComboBoxPayDay);
}

void TFormCustomerAdd::ComboBoxPeriodChange() {
  if (PaymentDayTooEarly()) ComboBoxPayDay->setCurrentIndex(ComboBoxPeriod->currentIndex());
}

// Days that would break the same-month rule cannot be picked, by the arrow keys or from
// the list, and the field's tip tells why.
void TFormCustomerAdd::UpdatePayDayChoices() {
  auto* model = qobject_cast<QStandardItemModel*>(ComboBoxPayDay->model());
  if (model == nullptr) return;
  bool anyRefused = false;
  for (int day = 0; day < model->rowCount(); ++day) {
    const bool refused =
        BreaksSameMonthRule(ComboBoxPeriod->currentIndex(), ComboBoxPayMonth->currentIndex(), day);
    model->item(day)->setEnabled(!refused);
    anyRefused = anyRefused || refused;
  }
  ComboBoxPayDay->setToolTip(anyRefused ? kSameMonthRule : QString());
}

bool TFormCustomerAdd::FormCloseQuery() {
  if (!IsBlankText(EditName->text())) return true;
  ShowMessage(QStringLiteral("取引先名を入力してください。"));
  EditName->setFocus();
  return false;
}

void TFormCustomerAdd::showEvent(QShowEvent* event) {
  TEntryForm::showEvent(event);
  FormShow();
}

bool TFormCustomerAdd::PaymentDayTooEarly() const {
  return BreaksSameMonthRule(ComboBoxPeriod->currentIndex(), ComboBoxPayMonth->currentIndex(),
                             ComboBoxPayDay->currentIndex());
}
