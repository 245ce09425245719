#include "form_item_add.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "amount_text.h"
#include "amount_typing.h"
#include "dialogs.h"
#include "document.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "item_row.h"
#include "radio_group.h"
#include "sjis_codec.h"
#include "ss_edit.h"
#include "text_bytes.h"
#include "window_style.h"

namespace {

constexpr int kPriceDecimals = 2;

}  // namespace

TFormItemAdd::TFormItemAdd(Document& doc) : TEntryForm(doc) {
  BuildControls();
  BuildLayout();
  InstallEnterNavigation(this);
}

// Created in tab order.
void TFormItemAdd::BuildControls() {
  EditItemCode = TextField(this, QStringLiteral("EditItemCode"), Ime::Off);
  EditName = TextField(this, QStringLiteral("EditName"), Ime::On);
  EditNameKana = TextField(this, QStringLiteral("EditNameKana"), Ime::On);
  ComboBoxTanni = EditableList(this, QStringLiteral("ComboBoxTanni"), Ime::On);
  // Units are offered, never forced: "KG" stays "KG" though the list holds "kg", and a
  // prefix is not stretched to the unit it begins.
  ComboBoxTanni->completer()->setCaseSensitivity(Qt::CaseSensitive);
  UsePopupCompletion(ComboBoxTanni);
  SsEditPrice = AmountEdit();
  SsEditPrice->setObjectName(QStringLiteral("SsEditPrice"));
  SsEditCost = AmountEdit();
  SsEditCost->setObjectName(QStringLiteral("SsEditCost"));
  EditSpeedCode = TextField(this, QStringLiteral("EditSpeedCode"), Ime::Off);
  ComboBoxGroup1 = PickList(this, QStringLiteral("ComboBoxGroup1"));
  ComboBoxGroup2 = PickList(this, QStringLiteral("ComboBoxGroup2"));
  ComboBoxGroup3 = PickList(this, QStringLiteral("ComboBoxGroup3"));
  RadioGroupTax = new RadioGroup(QStringLiteral("税区分"), TaxClassChoices(), 3, this);
  RadioGroupTax->setObjectName(QStringLiteral("RadioGroupTax"));
  CheckBoxReducedTax = new QCheckBox(QStringLiteral("軽減税率対象"), this);
  CheckBoxReducedTax->setObjectName(QStringLiteral("CheckBoxReducedTax"));
  EditNote = TextField(this, QStringLiteral("EditNote"), Ime::On);
  CheckBoxContinue = new QCheckBox(QStringLiteral("連続登録"), this);
  CheckBoxContinue->setObjectName(QStringLiteral("CheckBoxContinue"));
  CheckBoxContinue->setFocusPolicy(Qt::ClickFocus);
  ButtonOk = FormButton(this, QString(), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TSsEdit* TFormItemAdd::AmountEdit() {
  TSsEdit* edit = TSsEdit::Plain(this);
  edit->OnEnter = [this, edit] { SsEditPriceEnter(edit); };
  edit->OnExit = [this, edit] { SsEditPriceExit(edit); };
  connect(edit, &QLineEdit::textChanged, this, [this, edit] { SsEditPriceChange(edit); });
  return edit;
}

void TFormItemAdd::BuildLayout() {
  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("商品コード"), EditItemCode);
  left->addRow(QStringLiteral("商品名"), EditName);
  left->addRow(QStringLiteral("商品名カナ"), EditNameKana);
  left->addRow(QStringLiteral("単位"), ComboBoxTanni);
  left->addRow(QStringLiteral("基本単価"), SsEditPrice);
  left->addRow(QStringLiteral("原価"), SsEditCost);
  left->addRow(QStringLiteral("短縮コード"), EditSpeedCode);
  auto* right = new QFormLayout;
  right->addRow(QStringLiteral("分類１"), ComboBoxGroup1);
  right->addRow(QStringLiteral("分類２"), ComboBoxGroup2);
  right->addRow(QStringLiteral("分類３"), ComboBoxGroup3);
  right->addRow(RadioGroupTax);
  right->addRow(CheckBoxReducedTax);
  LayOutEntryWindow(this, left, right, EditNote,
                    ControlRow({CheckBoxContinue}, {ButtonOk, ButtonCancel}));
  SetFixedWindowStyle(this, {664, 406});
}

void TFormItemAdd::PrepareAdd() {
  editing_ = false;
  setWindowTitle(QStringLiteral("商品の登録"));
  ButtonOk->setText(QStringLiteral("登録"));
  CheckBoxContinue->setVisible(true);
  FillChoices();
  for (QLineEdit* edit : {EditItemCode, EditName, EditNameKana, EditSpeedCode, EditNote}) {
    edit->clear();
  }
  SetEditableText(ComboBoxTanni, QString());
  SsEditPrice->SetText(QStringLiteral("0"));
  SsEditCost->SetText(QStringLiteral("0"));
  RadioGroupTax->SetItemIndex(0);
  CheckBoxReducedTax->setChecked(false);
  for (int part = 0; part < 3; ++part) SetGroup(part, 0);
}

void TFormItemAdd::PrepareEdit(const ItemRecord& item) {
  editing_ = true;
  setWindowTitle(QStringLiteral("商品情報の変更"));
  ButtonOk->setText(QStringLiteral("変更"));
  CheckBoxContinue->setChecked(false);
  CheckBoxContinue->setVisible(false);
  FillChoices();
  EditItemCode->setText(FromSjis(item.code));
  EditName->setText(FromSjis(item.name));
  EditNameKana->setText(FromSjis(item.nameKana));
  SetEditableText(ComboBoxTanni, FromSjis(item.unit));
  SsEditPrice->SetText(FormattedAmount(item.price));
  SsEditCost->SetText(FormattedAmount(item.cost));
  EditSpeedCode->setText(FromSjis(item.speedCode));
  EditNote->setText(FromSjis(item.note));
  RadioGroupTax->SetItemIndex(item.taxClass);
  CheckBoxReducedTax->setChecked(Doc().invoice.reducedItems.contains(item.id));
  SetGroup(0, item.group1);
  SetGroup(1, item.group2);
  SetGroup(2, item.group3);
}

ItemFields TFormItemAdd::Entered() const {
  ItemFields f;
  f.code = TextBytes(EditItemCode->text());
  f.name = TextBytes(EditName->text());
  f.nameKana = TextBytes(EditNameKana->text());
  f.unit = TextBytes(ComboBoxTanni->currentText());
  f.priceText = TextBytes(SsEditPrice->Text());
  f.costText = TextBytes(SsEditCost->Text());
  f.speedCode = TextBytes(EditSpeedCode->text());
  f.note = TextBytes(EditNote->text());
  f.taxClass = qMax(RadioGroupTax->ItemIndex(), 0);
  f.group1 = GroupId(0);
  f.group2 = GroupId(1);
  f.group3 = GroupId(2);
  f.reducedTax = CheckBoxReducedTax->isChecked();
  return f;
}

void TFormItemAdd::FormShow() {
  addedInSeries_ = false;
  EditItemCode->setFocus();
}

void TFormItemAdd::SsEditPriceEnter(TSsEdit* sender) {
  sender->setText(CleanedAmountText(sender->text()));
}

void TFormItemAdd::SsEditPriceExit(TSsEdit* sender) {
  sender->setText(ReformattedAmountText(sender->text(), kPriceDecimals));
}

void TFormItemAdd::SsEditPriceChange(TSsEdit* sender) {
  const QString kept = AmountWhileTyping(sender->text());
  if (kept != sender->text()) sender->setText(kept);
}

bool TFormItemAdd::FormCloseQuery() {
  if (IsBlankText(EditName->text())) {
    return Refuse(QStringLiteral("商品名を入力してください。"), EditName);
  }
  if (!IsAmountText(SsEditPrice->Text())) {
    return Refuse(QStringLiteral("基本単価が正しく入力されていません。"), SsEditPrice);
  }
  if (!IsAmountText(SsEditCost->Text())) {
    return Refuse(QStringLiteral("原価が正しく入力されていません。"), SsEditCost);
  }
  if (editing_ || !CheckBoxContinue->isChecked()) return true;
  // Continuous mode: this product goes in now and the window stays for the next one.
  AddItem(Doc(), Entered());
  PrepareAdd();
  EditItemCode->setFocus();
  addedInSeries_ = true;
  return false;
}

void TFormItemAdd::showEvent(QShowEvent* event) {
  TEntryForm::showEvent(event);
  FormShow();
}

void TFormItemAdd::FillChoices() {
  QStringList units;
  for (const std::string& unit : Doc().units.Strings()) units << FromSjis(unit);
  ComboBoxTanni->clear();
  ComboBoxTanni->addItems(units);
  for (int part = 0; part < 3; ++part) {
    QComboBox* combo = GroupCombo(part);
    combo->clear();
    for (const GroupRecord& g : Doc().groups[static_cast<size_t>(part)].Records()) {
      combo->addItem(FromSjis(g.name));
    }
  }
}

// An id that is not in the list (a damaged file) shows the first entry, "指定なし".
void TFormItemAdd::SetGroup(int part, int32_t id) {
  const int index = Doc().groups[static_cast<size_t>(part)].IndexOf(id);
  GroupCombo(part)->setCurrentIndex(index < 0 ? 0 : index);
}

int32_t TFormItemAdd::GroupId(int part) const {
  const GroupList& group = Doc().groups[static_cast<size_t>(part)];
  const int index = GroupCombo(part)->currentIndex();
  return index >= 0 && index < group.Count() ? group.Get(index).id : 0;
}

QComboBox* TFormItemAdd::GroupCombo(int part) const {
  return part == 0 ? ComboBoxGroup1 : part == 1 ? ComboBoxGroup2 : ComboBoxGroup3;
}

bool TFormItemAdd::Refuse(const QString& message, QWidget* field) {
  ShowMessage(message);
  field->setFocus();
  return false;
}
