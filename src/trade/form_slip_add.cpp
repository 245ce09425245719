#include "form_slip_add.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include <string>

#include "amount_text.h"
#include "amount_typing.h"
#include "column_list_box.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "document.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "form_registry.h"
#include "input_method.h"
#include "list_find.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "overflow_guard.h"
#include "pickers.h"
#include "sjis_codec.h"
#include "sjis_guard.h"
#include "slip_values.h"
#include "ss_edit.h"
#include "text_bytes.h"
#include "window_style.h"

namespace {

constexpr int kNoItem = -1;

QString ModeWord(int mode) {
  return mode == kShipmentSlip ? QStringLiteral("出荷") : QStringLiteral("仕入");
}

// The amount in the field. A sign or point on its way to a number stays as typed and counts
// as 0; any other unreadable text is set to "0" at once (without running the change
// handler again).
Money ReadWhileTyping(TSsEdit* edit) {
  const QString kept = AmountWhileTyping(edit->text());
  if (kept != edit->text()) {
    const QSignalBlocker quiet(edit);
    edit->setText(kept);
  }
  return AmountOf(kept).value_or(Money{});
}

// A stored line whose amount cannot be computed (a damaged file) shows no amount.
QString LineAmountText(const SlipLine& line, int rounding) {
  try {
    return FormattedAmount(LineAmountInYen(line, rounding));
  } catch (const MoneyOverflow&) {
    return QString();
  }
}

}  // namespace

TFormSlipAdd::TFormSlipAdd(Document& doc) : TEntryForm(doc) {
  setWindowTitle(QStringLiteral("伝票の追加"));
  BuildControls();
  BuildLineEntry();
  BuildLayout();
  Connect();
  InstallEnterNavigation(this);
}

// Created in tab order; the controls that are no tab stops take no focus from the keyboard.
void TFormSlipAdd::BuildControls() {
  EditCustomer = TextField(this, QStringLiteral("EditCustomer"), Ime::On);
  EditCustomer->setReadOnly(true);
  EditCustomer->setFocusPolicy(Qt::NoFocus);
  DateTimePickerDate = DatePicker(this, QStringLiteral("DateTimePickerDate"));
  EditSlipCode = TextField(this, QStringLiteral("EditSlipCode"), Ime::Off);
  ComboBoxSlipKind = PickList(this, QStringLiteral("ComboBoxSlipKind"),
                              {ModeWord(kShipmentSlip), QStringLiteral("返品")});
  EditSpeedCode = TextField(this, QStringLiteral("EditSpeedCode"), Ime::Off);
  ListBoxItemSelect = new TColumnListBox(this, 3);
  ListBoxItemSelect->setObjectName(QStringLiteral("ListBoxItemSelect"));
  // Code, name and kana of the products the speed code lets through, in the box's order.
  FindTarget find = ListBoxFindTarget(ListBoxItemSelect);
  find.texts = [this](int row) {
    const ItemRecord item = selection_.Get(row);
    return QStringList{FromSjis(item.code), FromSjis(item.name), FromSjis(item.nameKana)};
  };
  FindBar = new TFindBar(this, find);
  // Out of the Enter walk of a line; Ctrl+F or a click reaches it.
  FindBar->EditFind->setFocusPolicy(Qt::ClickFocus);
  EditItemCode = TextField(this, QStringLiteral("EditItemCode"), Ime::Off);
  EditItemName = TextField(this, QStringLiteral("EditItemName"), Ime::Off);
  for (QLineEdit* shown : {EditItemCode, EditItemName}) {
    shown->setReadOnly(true);
    shown->setFocusPolicy(Qt::NoFocus);
  }
}

void TFormSlipAdd::BuildLineEntry() {
  SsEditPrice = AmountEdit(QStringLiteral("SsEditPrice"), true);
  SsEditNum = AmountEdit(QStringLiteral("SsEditNum"), true);
  LabelTanni = new QLabel(QStringLiteral("枚"), this);
  LabelTanni->setObjectName(QStringLiteral("LabelTanni"));
  SsEditNumXPrice = AmountEdit(QStringLiteral("SsEditNumXPrice"), false);
  // The phrases are chosen, never added by typing.
  ComboBoxLineNote = EditableList(this, QStringLiteral("ComboBoxLineNote"), Ime::On);
  ButtonLineNote = SideButton(this, QStringLiteral("備考"), QStringLiteral("ButtonLineNote"));
  ButtonLineAdd = FormButton(this, QStringLiteral("入力"), QStringLiteral("ButtonLineAdd"));
  ButtonLineDelete =
      SideButton(this, QStringLiteral("選択行を削除"), QStringLiteral("ButtonLineDelete"));
  ListViewSlipLines = NewListView(this, QStringLiteral("ListViewSlipLines"),
                                  {{QStringLiteral("商品コード"), 120},
                                   {QStringLiteral("商品名"), 160},
                                   {QStringLiteral("単価"), 80, true},
                                   {QStringLiteral("数量"), 80, true},
                                   {QStringLiteral("金額"), 100, true},
                                   {QStringLiteral("備考"), 280}});
  EditSlipNote = TextField(this, QStringLiteral("EditSlipNote"), Ime::On);
  ButtonOk = FormButton(this, QStringLiteral("OK"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
}

TSsEdit* TFormSlipAdd::AmountEdit(const QString& name, bool editable) {
  TSsEdit* edit = TSsEdit::Plain(this);
  edit->setObjectName(name);
  GuardSjis(edit);
  if (!editable) {
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    SetImeOff(edit);
    return edit;
  }
  edit->OnEnter = [this, edit] { SsEditNumEnter(edit); };
  edit->OnExit = [this, edit] { SsEditNumExit(edit); };
  connect(edit, &QLineEdit::textChanged, this, [this, edit] { SsEditPriceChange(edit); });
  return edit;
}

void TFormSlipAdd::BuildLayout() {
  auto* head = new QHBoxLayout;
  const std::pair<const char*, QWidget*> headFields[] = {{"取引先名", EditCustomer},
                                                         {"日付", DateTimePickerDate},
                                                         {"伝票No", EditSlipCode},
                                                         {"伝票種別", ComboBoxSlipKind}};
  for (const auto& [caption, field] : headFields) {
    head->addWidget(new QLabel(QString::fromUtf8(caption), this));
    head->addWidget(field, field == EditCustomer ? 2 : 1);
  }
  auto* pick = new QFormLayout;
  pick->addRow(QStringLiteral("短縮コード"), EditSpeedCode);
  pick->addRow(FindBar);
  pick->addRow(QStringLiteral("商品選択"), ListBoxItemSelect);
  auto* quantity = new QHBoxLayout;
  quantity->addWidget(SsEditNum);
  quantity->addWidget(LabelTanni);
  auto* note = new QHBoxLayout;
  note->addWidget(ComboBoxLineNote, 1);
  note->addWidget(ButtonLineNote);
  auto* entry = new QFormLayout;
  entry->addRow(QStringLiteral("商品コード"), EditItemCode);
  entry->addRow(QStringLiteral("商品名"), EditItemName);
  entry->addRow(QStringLiteral("単価"), SsEditPrice);
  entry->addRow(QStringLiteral("数量"), quantity);
  entry->addRow(QStringLiteral("金額"), SsEditNumXPrice);
  entry->addRow(QStringLiteral("備考"), note);
  entry->addRow(ControlRow({}, {ButtonLineAdd, ButtonLineDelete}));
  auto* lineEntry = new QHBoxLayout;
  lineEntry->addLayout(pick, 3);
  lineEntry->addLayout(entry, 2);
  auto* memo = new QFormLayout;
  memo->addRow(QStringLiteral("メモ"), EditSlipNote);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(head);
  layout->addLayout(lineEntry);
  layout->addWidget(ListViewSlipLines, 1);
  layout->addLayout(memo);
  layout->addLayout(ControlRow({}, {ButtonOk, ButtonCancel}));
  SetResizableWindowStyle(this, {886, 623});
}

void TFormSlipAdd::Connect() {
  connect(EditSpeedCode, &QLineEdit::textChanged, this, &TFormSlipAdd::EditSpeedCodeChange);
  // The product follows the mouse and the arrow keys; Enter takes the product under the
  // cursor when none is selected yet.
  connect(ListBoxItemSelect, &QListWidget::itemSelectionChanged, this, [this] {
    if (!ListBoxItemSelect->selectedItems().isEmpty()) ListBoxItemSelectClick();
  });
  connect(ListBoxItemSelect, &QListWidget::clicked, this, &TFormSlipAdd::ListBoxItemSelectClick);
  connect(ListBoxItemSelect, &QListWidget::activated, this, [this](const QModelIndex& index) {
    if (!ListBoxItemSelect->selectionModel()->isSelected(index)) {
      ListBoxItemSelect->setCurrentRow(index.row());
    }
  });
  connect(ListViewSlipLines, &QTableWidget::itemSelectionChanged, this,
          &TFormSlipAdd::ListViewSlipLinesSelectItem);
  connect(ButtonLineAdd, &QPushButton::clicked, this, &TFormSlipAdd::ButtonLineAddClick);
  connect(ButtonLineDelete, &QPushButton::clicked, this, &TFormSlipAdd::ButtonLineDeleteClick);
  connect(ButtonLineNote, &QPushButton::clicked, this, &TFormSlipAdd::ButtonLineNoteClick);
  connect(DateTimePickerDate, &QDateEdit::dateChanged, this,
          &TFormSlipAdd::DateTimePickerDateChange);
  connect(EditSlipCode, &QLineEdit::textChanged, this, &TFormSlipAdd::EditSlipCodeChange);
  connect(EditSlipNote, &QLineEdit::textChanged, this, &TFormSlipAdd::EditSlipNoteChange);
  connect(ComboBoxSlipKind, &QComboBox::currentIndexChanged, this,
          &TFormSlipAdd::ComboBoxSlipKindChange);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormSlipAdd::PrepareNewSlip(int mode, int32_t partnerId, const QString& partnerName) {
  setWindowTitle(QStringLiteral("伝票の追加"));
  slip_ = Slip{};
  slip_.kind = mode;
  slip_.date = DatePart(Today());
  slip_.partner = partnerId;
  PrepareCommon(mode, partnerName);
}

void TFormSlipAdd::PrepareEditSlip(int mode, int32_t slipId, const QString& partnerName) {
  setWindowTitle(QStringLiteral("伝票の編集"));
  const Slip* stored = Doc().slips.Find(slipId);
  slip_ = stored != nullptr ? *stored : Slip{};
  PrepareCommon(mode, partnerName);
}

void TFormSlipAdd::PrepareCommon(int mode, const QString& partnerName) {
  mode_ = mode;
  EditCustomer->setText(partnerName);
  filling_ = true;
  DateTimePickerDate->setDate(ToQDate(slip_.date));
  EditSlipCode->setText(FromSjis(slip_.number));
  SelectKindItem();
  EditSlipNote->setText(FromSjis(slip_.note));
  filling_ = false;
  // The partner's decimals and rounding before any amount is shown.
  TakePartnerTerms();
  ResetEntry(true);
  ReloadLineNotes();
  SetEditableText(ComboBoxLineNote, QString());
  FillLines();
}

void TFormSlipAdd::SelectKindItem() {
  ComboBoxSlipKind->setItemText(0, ModeWord(mode_));
  ComboBoxSlipKind->setCurrentIndex(slip_.kind == mode_ + 2 ? 1 : 0);
}

void TFormSlipAdd::TakePartnerTerms() {
  const CustomerRecord* partner = Doc().Partners(mode_).FindById(slip_.partner);
  // A partner the file no longer has prices at the base price.
  factor_ = partner != nullptr ? PriceFactor(*partner) : Money::FromInt(1);
  const PartnerTerms terms = TermsOf(Doc(), mode_, slip_.partner);
  decimals_ = terms.decimals;
  rounding_ = terms.rounding;
}

void TFormSlipAdd::FormShow() {
  TakePartnerTerms();
  currentItem_ = kNoItem;
  DateTimePickerDate->setFocus();
}

void TFormSlipAdd::showEvent(QShowEvent* event) {
  TEntryForm::showEvent(event);
  FormShow();
}

void TFormSlipAdd::ReloadLineNotes() {
  QStringList phrases;
  for (const std::string& phrase : Doc().lineNotes.Strings()) phrases << FromSjis(phrase);
  ComboBoxLineNote->clear();
  ComboBoxLineNote->addItems(phrases);
  ComboBoxLineNote->setCurrentIndex(-1);
}

void TFormSlipAdd::EditSpeedCodeChange() {
  ItemList filtered;
  selection_ = Doc().items.FilterBySpeedCode(TextBytes(EditSpeedCode->text()), filtered);
  QStringList names;
  for (const ItemRecord& item : selection_.Records()) names << FromSjis(item.name);
  const QSignalBlocker quiet(ListBoxItemSelect);
  ListBoxItemSelect->clear();
  ListBoxItemSelect->addItems(names);
}

// Refilled even when the speed code was empty already, so no stale pick stays marked.
void TFormSlipAdd::ShowAllProducts() {
  {
    const QSignalBlocker quiet(EditSpeedCode);
    EditSpeedCode->clear();
  }
  EditSpeedCodeChange();
}

void TFormSlipAdd::ListBoxItemSelectClick() {
  const int row = ListBoxItemSelect->currentRow();
  if (row < 0 || row >= selection_.Count()) return;
  // A copy: clearing a selected line refills the selection list.
  const ItemRecord item = selection_.Get(row);
  ListViewSlipLines->clearSelection();
  currentItem_ = item.id;
  ShowItem(&item);
  Money price;
  ComputedWithinRange([&] { price = DefaultUnitPrice(item, factor_, decimals_); });
  SsEditPrice->setText(FormattedAmount(price));
  SsEditNum->setText(QStringLiteral("0"));
  SetEntryEditable(true);
}

void TFormSlipAdd::SsEditPriceChange(TSsEdit* sender) {
  const Money price = ReadWhileTyping(SsEditPrice);
  const Money quantity = ReadWhileTyping(SsEditNum);
  try {
    SsEditNumXPrice->setText(FormattedAmount(LineAmountInYen({0, price, quantity, {}}, rounding_)));
  } catch (const MoneyOverflow&) {
    const QSignalBlocker quiet(sender);
    sender->setText(QStringLiteral("0"));
    SsEditNumXPrice->setText(QStringLiteral("0"));
  }
}

void TFormSlipAdd::SsEditNumEnter(TSsEdit* sender) {
  sender->setText(CleanedAmountText(sender->text()));
}

void TFormSlipAdd::SsEditNumExit(TSsEdit* sender) {
  sender->setText(ReformattedAmountText(sender->text(), decimals_));
}

void TFormSlipAdd::ListViewSlipLinesSelectItem() {
  if (filling_) return;
  const int row = SelectedLine();
  if (row < 0) {
    ResetEntry(true);
    return;
  }
  const SlipLine line = slip_.GetLine(row);
  ShowAllProducts();
  SsEditPrice->setText(FormattedAmount(line.price));
  SsEditNum->setText(FormattedAmount(line.quantity));
  currentItem_ = line.product;
  ShowItem(selection_.FindById(line.product));
  SetEntryEditable(true);
  SetEditableText(ComboBoxLineNote, FromSjis(line.note));
}

void TFormSlipAdd::ShowItem(const ItemRecord* item) {
  EditItemCode->setText(item != nullptr ? FromSjis(item->code) : QString());
  EditItemName->setText(item != nullptr ? FromSjis(item->name) : QString());
  LabelTanni->setText(item != nullptr ? FromSjis(item->unit) : QString());
}

void TFormSlipAdd::SetEntryEditable(bool on) {
  for (TSsEdit* edit : {SsEditPrice, SsEditNum}) {
    edit->setReadOnly(!on);
    SetImeOff(edit);
  }
  if (on) ComboBoxLineNote->setEnabled(true);
}

// Back to "no current product"; the unit label keeps the last unit.
void TFormSlipAdd::ResetEntry(bool disableNote) {
  ShowAllProducts();
  currentItem_ = kNoItem;
  EditItemCode->clear();
  EditItemName->clear();
  SsEditPrice->setText(QStringLiteral("0"));
  SsEditNum->setText(QStringLiteral("0"));
  SsEditNumXPrice->setText(QStringLiteral("0"));
  SetEntryEditable(false);
  SetEditableText(ComboBoxLineNote, QString());
  if (disableNote) ComboBoxLineNote->setEnabled(false);
}

void TFormSlipAdd::ButtonLineAddClick() {
  if (currentItem_ == kNoItem) return;
  // Stored as the partner's decimals allow, whether or not the field was left.
  const Money price = TruncDecimals(decimals_, AmountOf(SsEditPrice->text()).value_or(Money{}));
  const Money quantity = TruncDecimals(decimals_, AmountOf(SsEditNum->text()).value_or(Money{}));
  const std::string note = TextBytes(ComboBoxLineNote->currentText());
  if (!ComputedWithinRange([&] {
        LineAmountInYen({currentItem_, price, quantity, note}, rounding_);
      })) {
    return;
  }
  const int row = SelectedLine();
  if (row < 0) {
    slip_.AddLine(std::to_string(currentItem_), MoneyToText(price), MoneyToText(quantity), note);
  } else {
    slip_.UpdateLine(row, currentItem_, note, MoneyToText(quantity), MoneyToText(price));
  }
  ResetEntry(true);
  FillLines();
  EditSpeedCode->setFocus();
}

void TFormSlipAdd::ButtonLineDeleteClick() {
  const int row = SelectedLine();
  if (row < 0) {
    ShowMessage(QStringLiteral("削除する行を選択してください。"));
    return;
  }
  if (!AskYesNo(QStringLiteral("選択中の行を削除します。\r\nよろしいですか？"))) return;
  slip_.DeleteLine(row);
  ResetEntry(false);
  FillLines();
  EditSpeedCode->setFocus();
}

void TFormSlipAdd::ButtonLineNoteClick() {
  const QString typed = ComboBoxLineNote->currentText();
  if (TForm* phrases = Forms().Get(FormId::LineNoteList)) ShowModal(phrases);
  ReloadLineNotes();
  SetEditableText(ComboBoxLineNote, typed);
}

void TFormSlipAdd::FillLines() {
  const ItemIndex items(Doc().items);
  std::vector<QStringList> rows;
  rows.reserve(slip_.Lines().size());
  for (const SlipLine& line : slip_.Lines()) {
    const ItemRecord* item = items.Find(line.product);
    rows.push_back({item != nullptr ? FromSjis(item->code) : QString(),
                    item != nullptr ? FromSjis(item->name) : QString(), FormattedAmount(line.price),
                    FormattedAmount(line.quantity), LineAmountText(line, rounding_),
                    FromSjis(line.note)});
  }
  filling_ = true;
  FillListView(ListViewSlipLines, rows);
  filling_ = false;
}

int TFormSlipAdd::SelectedLine() const {
  return SelectedViewRow(ListViewSlipLines);
}

void TFormSlipAdd::DateTimePickerDateChange() {
  if (!filling_) slip_.date = FromQDate(DateTimePickerDate->date());
}

void TFormSlipAdd::EditSlipCodeChange() {
  if (!filling_) slip_.number = TextBytes(EditSlipCode->text());
}

void TFormSlipAdd::EditSlipNoteChange() {
  if (!filling_) slip_.note = TextBytes(EditSlipNote->text());
}

void TFormSlipAdd::ComboBoxSlipKindChange() {
  if (!filling_) slip_.kind = mode_ + (ComboBoxSlipKind->currentIndex() == 1 ? 2 : 0);
}

bool TFormSlipAdd::FormCloseQuery() {
  if (slip_.LineCount() == 0) {
    ShowMessage(QStringLiteral("伝票内容が入力されていません。"));
    return false;
  }
  // A slip whose total cannot be computed stays here, where its lines can be mended.
  return ComputedWithinRange(
      [&] { SlipValue(slip_, ItemIndex(Doc().items), TaxRules(Doc()), rounding_); });
}

void TFormSlipAdd::done(int result) {
  if (result != QDialog::Accepted &&
      !AskYesNo(
          QStringLiteral("入力内容を破棄して伝票リスト画面に戻ります。\r\nよろしいですか？"))) {
    return;
  }
  TEntryForm::done(result);
}
