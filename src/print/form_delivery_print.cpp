#include "form_delivery_print.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "document.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "list_view.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "ss_edit.h"
#include "window_style.h"

TFormDeliveryPrint::TFormDeliveryPrint(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormDeliveryPrint"));
  setWindowTitle(QStringLiteral("納品書印刷"));
  BuildControls();
  BuildLayout();
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormDeliveryPrint::ButtonPrintClick);
  // The options are filled in with the keyboard as in the entry windows.
  InstallEnterNavigation(this);
}

void TFormDeliveryPrint::BuildControls() {
  DateTimePickerDeliverDate = DatePicker(this, QStringLiteral("DateTimePickerDeliverDate"));
  EditTitle = TextField(this, QStringLiteral("EditTitle"), Ime::On);
  EditNo = TextField(this, QStringLiteral("EditNo"), Ime::Off);
  ComboBoxNameTitle = EditableList(this, QStringLiteral("ComboBoxNameTitle"), Ime::On);
  ComboBoxNameTitle->addItems(
      {QStringLiteral("御中"), QStringLiteral("様"), QStringLiteral("殿"), QStringLiteral("行")});
  EditComment = TextField(this, QStringLiteral("EditComment"), Ime::On);
  CheckBoxTantou = new QCheckBox(QStringLiteral("担当印欄を印刷する"), this);
  CheckBoxTantou->setObjectName(QStringLiteral("CheckBoxTantou"));
  CheckBoxKakunin = new QCheckBox(QStringLiteral("確認印欄を印刷する"), this);
  CheckBoxKakunin->setObjectName(QStringLiteral("CheckBoxKakunin"));
  // The amount is the sixth column, as the page totals read it.
  ListViewDeliveryList =
      NewListView(this, QStringLiteral("ListViewDeliveryList"), SlipLineColumns());
  for (TSsEdit** edit : {&SsEditSubTotal, &SsEditTaxTotal, &SsEditGrandTotal}) {
    *edit = TSsEdit::Plain(this);
    (*edit)->setReadOnly(true);
  }
  SsEditSubTotal->setObjectName(QStringLiteral("SsEditSubTotal"));
  SsEditTaxTotal->setObjectName(QStringLiteral("SsEditTaxTotal"));
  SsEditGrandTotal->setObjectName(QStringLiteral("SsEditGrandTotal"));
  LabelTaxNotes = new QLabel(this);
  LabelTaxNotes->setObjectName(QStringLiteral("LabelTaxNotes"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
}

void TFormDeliveryPrint::BuildLayout() {
  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("伝票日付"), DateTimePickerDeliverDate);
  left->addRow(QStringLiteral("伝票タイトル"), EditTitle);
  left->addRow(QStringLiteral("伝票NO."), EditNo);
  auto* right = new QFormLayout;
  right->addRow(QStringLiteral("敬称"), ComboBoxNameTitle);
  right->addRow(QStringLiteral("コメント"), EditComment);
  right->addRow(CheckBoxTantou);
  right->addRow(CheckBoxKakunin);
  auto* top = new QHBoxLayout;
  top->addLayout(left, 1);
  top->addLayout(right, 1);
  auto* totals = new QFormLayout;
  totals->addRow(QStringLiteral("金額小計"), SsEditSubTotal);
  totals->addRow(QStringLiteral("消費税額"), SsEditTaxTotal);
  totals->addRow(QStringLiteral("合計金額"), SsEditGrandTotal);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(LabelTaxNotes, 0, Qt::AlignTop);
  bottom->addStretch();
  bottom->addLayout(totals);
  bottom->addWidget(ButtonPrint, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(ListViewDeliveryList, 1);
  layout->addLayout(bottom);
  SetResizableWindowStyle(this, {955, 640});
}

void TFormDeliveryPrint::Prepare(int32_t slipId, int partnerIndex) {
  slipId_ = slipId;
  partnerIndex_ = partnerIndex;
}

void TFormDeliveryPrint::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormDeliveryPrint::FormShow() {
  const CustomerRecord partner = Doc().Partners(Tag).Get(partnerIndex_);
  const Slip* slip = Doc().slips.Find(slipId_);
  Fill(slip != nullptr ? DeliveryNoteOf(Doc(), *slip, partner) : DeliveryNoteSnapshot{});
}

void TFormDeliveryPrint::Fill(const DeliveryNoteSnapshot& note) {
  shown_ = note;
  DateTimePickerDeliverDate->setDate(note.date.isValid() ? note.date : QDate::currentDate());
  EditTitle->setText(note.title);
  EditNo->setText(note.number);
  SetEditableText(ComboBoxNameTitle, note.nameTitle);
  EditComment->setText(note.comment);
  CheckBoxTantou->setChecked(note.tantou);
  CheckBoxKakunin->setChecked(note.kakunin);
  std::vector<QStringList> rows;
  for (const DeliveryNoteRow& r : note.rows) rows.push_back(r.texts);
  FillListView(ListViewDeliveryList, rows);
  SsEditSubTotal->SetText(note.subtotal);
  SsEditTaxTotal->SetText(note.tax);
  SsEditGrandTotal->SetText(note.total);
  LabelTaxNotes->setText(DeliveryNoteTaxNotes(note).join(QLatin1Char('\n')));
}

DeliveryNoteSnapshot TFormDeliveryPrint::Snapshot() const {
  DeliveryNoteSnapshot s = shown_;
  s.date = DateTimePickerDeliverDate->date();
  s.title = EditTitle->text();
  s.number = EditNo->text();
  s.nameTitle = ComboBoxNameTitle->currentText();
  s.comment = EditComment->text();
  s.tantou = CheckBoxTantou->isChecked();
  s.kakunin = CheckBoxKakunin->isChecked();
  s.subtotal = SsEditSubTotal->Text();
  s.tax = SsEditTaxTotal->Text();
  s.total = SsEditGrandTotal->Text();
  return s;
}

void TFormDeliveryPrint::ButtonPrintClick() {
  PrintReport(kReportDeliveryNote, DeliveryNoteReport(Snapshot()));
}
