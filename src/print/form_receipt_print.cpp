#include "form_receipt_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "amount_text.h"
#include "amount_typing.h"
#include "document.h"
#include "form_controls.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "sjis_codec.h"
#include "sjis_guard.h"
#include "ss_edit.h"
#include "window_style.h"

namespace {

constexpr int kCents = 2;

TSsEdit* AmountField(QWidget* parent, const QString& name) {
  TSsEdit* edit = TSsEdit::Plain(parent);
  edit->setObjectName(name);
  GuardSjis(edit, SjisField::Number);
  return edit;
}

QCheckBox* Check(QWidget* parent, const QString& caption, const QString& name) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TFormReceiptPrint::TFormReceiptPrint(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormReceiptPrint"));
  setWindowTitle(QStringLiteral("領収書印刷"));
  BuildControls();
  BuildBreakdown();
  BuildLayout();
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormReceiptPrint::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormReceiptPrint::BuildControls() {
  ComboBoxCustomer = EditableList(this, QStringLiteral("ComboBoxCustomer"), Ime::On);
  ComboBoxNameTitle = EditableList(this, QStringLiteral("ComboBoxNameTitle"), Ime::On);
  ComboBoxNameTitle->addItems(
      {QStringLiteral("御中"), QStringLiteral("様"), QStringLiteral("殿"), QStringLiteral("行")});
  ComboBoxTitle = EditableList(this, QStringLiteral("ComboBoxTitle"), Ime::On);
  ComboBoxTitle->addItems({QStringLiteral("領収書"), QStringLiteral("領収証")});
  EditNo = TextField(this, QStringLiteral("EditNo"), Ime::Off);
  SsEditPrice = AmountField(this, QStringLiteral("SsEditPrice"));
  WatchPrice();
  DateTimePickerReceiptDate = DatePicker(this, QStringLiteral("DateTimePickerReceiptDate"));
  EditTadashi = TextField(this, QStringLiteral("EditTadashi"), Ime::On);
  EditTadashi->setText(QStringLiteral("但し、商品代として"));
  CheckBoxTadashi =
      Check(this, QStringLiteral("但し書きを印刷する"), QStringLiteral("CheckBoxTadashi"));
  CheckBoxTantou =
      Check(this, QStringLiteral("担当印欄を印刷する"), QStringLiteral("CheckBoxTantou"));
  CheckBoxInshi =
      Check(this, QStringLiteral("収入印紙枠を印刷する"), QStringLiteral("CheckBoxInshi"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
}

void TFormReceiptPrint::BuildBreakdown() {
  const QStringList kinds{QString(),
                          QStringLiteral("税抜き"),
                          QStringLiteral("消費税"),
                          QStringLiteral("現　金"),
                          QStringLiteral("小切手"),
                          QStringLiteral("振込み"),
                          QStringLiteral("手　形"),
                          QStringLiteral("相　殺")};
  for (int k = 0; k < 4; ++k) {
    const QString n = QString::number(k + 1);
    QComboBox* kind = EditableList(this, QStringLiteral("ComboBoxUchiwake") + n, Ime::On);
    kind->addItems(kinds);
    ComboBoxUchiwake[static_cast<size_t>(k)] = kind;
    TSsEdit* amount = AmountField(this, QStringLiteral("SsEditUchiwake") + n);
    WatchBreakdown(amount);
    SsEditUchiwake[static_cast<size_t>(k)] = amount;
  }
}

// Each amount field is cleaned for editing when entered and reformatted (cut to two
// decimals) only when left, so "1.5" can be typed and the caret stays where it is.
void TFormReceiptPrint::WatchPrice() {
  TSsEdit* e = SsEditPrice;
  e->OnEnter = [e] { e->setText(CleanedAmountText(e->text())); };
  e->OnExit = [e] { e->setText(ReformattedAmountText(e->text(), kCents)); };
  connect(e, &QLineEdit::textChanged, this, [e](const QString& text) {
    const QString kept = AmountWhileTyping(text);
    if (kept != text) e->setText(kept);
  });
}

// A breakdown amount that is no amount is emptied rather than set to 0.
void TFormReceiptPrint::WatchBreakdown(TSsEdit* e) {
  e->OnEnter = [e] { e->setText(CleanedAmountText(e->text())); };
  e->OnExit = [e] {
    e->setText(IsAmountText(e->text()) ? ReformattedAmountText(e->text(), kCents) : QString());
  };
  connect(e, &QLineEdit::textChanged, this, [e](const QString& text) {
    if (!text.isEmpty() && AmountWhileTyping(text) != text) e->clear();
  });
}

void TFormReceiptPrint::BuildLayout() {
  auto* grid = new QGridLayout;
  int row = 0;
  const auto add = [&](const QString& label, QWidget* field) {
    grid->addWidget(new QLabel(label, this), row, 0);
    grid->addWidget(field, row++, 1, 1, 2);
  };
  add(QStringLiteral("取引先名"), ComboBoxCustomer);
  add(QStringLiteral("敬称"), ComboBoxNameTitle);
  add(QStringLiteral("タイトル"), ComboBoxTitle);
  add(QStringLiteral("No."), EditNo);
  add(QStringLiteral("領収額"), SsEditPrice);
  add(QStringLiteral("領収日"), DateTimePickerReceiptDate);
  grid->addWidget(EditTadashi, row, 1);
  grid->addWidget(CheckBoxTadashi, row++, 2);
  grid->addWidget(new QLabel(QStringLiteral("内訳"), this), row, 1);
  grid->addWidget(new QLabel(QStringLiteral("金額"), this), row++, 2);
  for (size_t k = 0; k < 4; ++k) {
    grid->addWidget(ComboBoxUchiwake[k], row, 1);
    grid->addWidget(SsEditUchiwake[k], row++, 2);
  }
  grid->addWidget(CheckBoxTantou, row++, 1, 1, 2);
  grid->addWidget(CheckBoxInshi, row++, 1, 1, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addStretch();
  layout->addLayout(ControlRow({}, {ButtonPrint, ButtonOk}));
  SetFixedWindowStyle(this, {480, 520});
}

void TFormReceiptPrint::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

// Every opening starts a new receipt; the amount and the 但し text stay as they were.
void TFormReceiptPrint::FormShow() {
  DateTimePickerReceiptDate->setDate(QDate::currentDate());
  ComboBoxTitle->setCurrentIndex(0);
  EditNo->clear();
  ComboBoxCustomer->clear();
  const CustomerList& customers = Doc().customers;
  for (int i = 0; i < customers.Count(); ++i) {
    ComboBoxCustomer->addItem(FromSjis(customers.Get(i).name));
  }
  ComboBoxNameTitle->setCurrentIndex(0);
  for (QCheckBox* box : {CheckBoxTadashi, CheckBoxTantou, CheckBoxInshi}) box->setChecked(false);
  for (size_t k = 0; k < 4; ++k) {
    ComboBoxUchiwake[k]->setCurrentIndex(0);
    SsEditUchiwake[k]->clear();
  }
}

ReceiptSnapshot TFormReceiptPrint::Snapshot() const {
  ReceiptSnapshot s;
  s.number = EditNo->text();
  s.title = ComboBoxTitle->currentText();
  s.customer = ComboBoxCustomer->currentText();
  s.nameTitle = ComboBoxNameTitle->currentText();
  s.price = SsEditPrice->Text();
  s.date = DateTimePickerReceiptDate->date();
  s.tadashi = CheckBoxTadashi->isChecked();
  s.tadashiText = EditTadashi->text();
  for (size_t k = 0; k < 4; ++k) {
    s.kinds[k] = ComboBoxUchiwake[k]->currentText();
    s.amounts[k] = SsEditUchiwake[k]->Text();
  }
  s.tantou = CheckBoxTantou->isChecked();
  s.inshi = CheckBoxInshi->isChecked();
  SetReceiptCompany(s, Doc());
  return s;
}

void TFormReceiptPrint::ButtonPrintClick() {
  PrintReport(kReportReceipt, ReceiptReport(Snapshot()));
}
