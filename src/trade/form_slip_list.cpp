#include "form_slip_list.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "amount_text.h"
#include "computed_list_csv.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "document.h"
#include "form_controls.h"
#include "form_registry.h"
#include "form_slip_add.h"
#include "list_csv.h"
#include "list_find.h"
#include "list_view.h"
#include "overflow_guard.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "shown_lists.h"
#include "sjis_codec.h"
#include "ss_edit.h"
#include "window_style.h"

namespace {

constexpr int kIdColumn = 4;
constexpr int kSlipListPanelHeight = 200;
// The printer-choice window's report kind for the slip list.

ListMessages SlipMessages() {
  ListMessages m;
  m.selectToChange = QStringLiteral("編集する伝票を選択してください。");
  m.selectToDelete = QStringLiteral("削除する伝票を選択して下さい。");
  m.confirmDelete = QStringLiteral("選択中の伝票を削除します、よろしいですか？");
  return m;
}

QLabel* BoldLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

}  // namespace

TFormSlipList::TFormSlipList(Document& doc) : TForm(doc) {
  setWindowTitle(QStringLiteral("伝票リスト"));
  // Left with "戻る" (or the close box) only.
  BuildControls();
  BuildSlipPanel();
  BuildDetailPanel();
  BuildLayout();
  Connect();
  pattern_ = std::make_unique<ListWindowPattern>(ListViewSlipList, Actions(), SlipMessages());
}

void TFormSlipList::BuildControls() {
  PanelTop = new QWidget(this);
  PanelTop->setObjectName(QStringLiteral("PanelTop"));
  ButtonAddSlip = FormButton(PanelTop, QStringLiteral("伝票入力"), QStringLiteral("ButtonAddSlip"));
  ButtonPrint =
      FormButton(PanelTop, QStringLiteral("伝票リスト印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(PanelTop, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
  TabControlCustomerList = new QTabBar(this);
  TabControlCustomerList->setObjectName(QStringLiteral("TabControlCustomerList"));
  TabControlCustomerList->setExpanding(false);
  FindBar = new TFindBar(this, TabBarFindTarget(TabControlCustomerList));
  Splitter1 = new QSplitter(Qt::Vertical, this);
  Splitter1->setObjectName(QStringLiteral("Splitter1"));
  Splitter1->setOpaqueResize(true);
  Splitter1->setChildrenCollapsible(false);
}

void TFormSlipList::BuildSlipPanel() {
  PanelSlipList = new QWidget(Splitter1);
  PanelSlipList->setObjectName(QStringLiteral("PanelSlipList"));
  PanelSlipList->setMinimumHeight(kSlipListPanelHeight);
  CheckBoxFocus = new QCheckBox(PanelSlipList);
  CheckBoxFocus->setObjectName(QStringLiteral("CheckBoxFocus"));
  DateTimePickerFrom = DatePicker(PanelSlipList, QStringLiteral("DateTimePickerFrom"));
  DateTimePickerTo = DatePicker(PanelSlipList, QStringLiteral("DateTimePickerTo"));
  ListViewSlipList = NewListView(PanelSlipList, QStringLiteral("ListViewSlipList"),
                                 {{QStringLiteral("日付"), 120},
                                  {QStringLiteral("伝票No"), 120},
                                  {QStringLiteral("金額"), 150, true},
                                  {QStringLiteral("区分"), 60},
                                  {QStringLiteral("id"), 0}});
  ListViewSlipList->setColumnHidden(kIdColumn, true);
  SetCsvSource(
      ListViewSlipList,
      [this] {
        return SlipListShownCsv(Doc(), {Tag, PartnerId().value_or(-1), Period()});
      },
      [this] {
        const QString kind =
            Tag == kShipmentSlip ? QStringLiteral("出荷伝票") : QStringLiteral("仕入伝票");
        return QStringList{kind,
                           TabControlCustomerList->tabText(TabControlCustomerList->currentIndex())};
      });
  SsEditTotal = TSsEdit::Plain(PanelSlipList);
  SsEditTotal->setObjectName(QStringLiteral("SsEditTotal"));
  // Read-only but in normal text: a disabled field greys the figure out.
  SsEditTotal->setReadOnly(true);
  SsEditTotal->setFocusPolicy(Qt::NoFocus);
  SsEditTotal->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  auto* filter = ControlRow(
      {CheckBoxFocus, DateTimePickerFrom, new QLabel(QStringLiteral("～"), PanelSlipList),
       DateTimePickerTo, new QLabel(QStringLiteral("の伝票のみ表示"), PanelSlipList)},
      {});
  auto* layout = new QVBoxLayout(PanelSlipList);
  layout->addWidget(BoldLabel(PanelSlipList, QStringLiteral("伝票リスト")));
  layout->addLayout(filter);
  layout->addWidget(ListViewSlipList, 1);
  layout->addLayout(
      ControlRow({}, {BoldLabel(PanelSlipList, QStringLiteral("合計")), SsEditTotal}));
}

void TFormSlipList::BuildDetailPanel() {
  PanelSlipDetail = new QWidget(Splitter1);
  PanelSlipDetail->setObjectName(QStringLiteral("PanelSlipDetail"));
  ListViewSlipDetail =
      NewListView(PanelSlipDetail, QStringLiteral("ListViewSlipDetail"), SlipLineColumns());
  ButtonDelSlip =
      FormButton(PanelSlipDetail, QStringLiteral("削除"), QStringLiteral("ButtonDelSlip"));
  ButtonEditSlip =
      FormButton(PanelSlipDetail, QStringLiteral("編集"), QStringLiteral("ButtonEditSlip"));
  ButtonPrintDeliver = FormButton(PanelSlipDetail, QStringLiteral("納品書印刷"),
                                  QStringLiteral("ButtonPrintDeliver"));
  auto* layout = new QVBoxLayout(PanelSlipDetail);
  layout->addWidget(BoldLabel(PanelSlipDetail, QStringLiteral("選択中の伝票内容")));
  layout->addWidget(ListViewSlipDetail, 1);
  layout->addLayout(ControlRow({}, {ButtonDelSlip, ButtonEditSlip, ButtonPrintDeliver}));
}

void TFormSlipList::BuildLayout() {
  auto* top = new QHBoxLayout(PanelTop);
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(ButtonAddSlip);
  top->addWidget(ButtonPrint);
  top->addWidget(FindBar);
  top->addStretch();
  top->addWidget(ButtonOk);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PanelTop);
  layout->addWidget(TabControlCustomerList);
  layout->addWidget(Splitter1, 1);
  SetResizableWindowStyle(this, {891, 658});
}

void TFormSlipList::Connect() {
  connect(ButtonAddSlip, &QPushButton::clicked, this, &TFormSlipList::ButtonAddSlipClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormSlipList::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(TabControlCustomerList, &QTabBar::currentChanged, this,
          &TFormSlipList::TabControlCustomerListChange);
  connect(CheckBoxFocus, &QCheckBox::toggled, this, &TFormSlipList::CheckBoxFocusClick);
  connect(DateTimePickerFrom, &QDateEdit::dateChanged, this, &TFormSlipList::DateTimePickerChange);
  connect(DateTimePickerTo, &QDateEdit::dateChanged, this, &TFormSlipList::DateTimePickerChange);
  connect(ListViewSlipList, &QTableWidget::itemSelectionChanged, this,
          &TFormSlipList::ListViewSlipListSelectItem);
  connect(ListViewSlipList, &QTableWidget::itemDoubleClicked, this,
          &TFormSlipList::ListViewSlipListDblClick);
  connect(ButtonDelSlip, &QPushButton::clicked, this, &TFormSlipList::ButtonDeleteSlipClick);
  connect(ButtonEditSlip, &QPushButton::clicked, this, &TFormSlipList::ButtonEditSlipClick);
  connect(ButtonPrintDeliver, &QPushButton::clicked, this, &TFormSlipList::ButtonPrintDeliverClick);
}

ListActions TFormSlipList::Actions() {
  ListActions a;
  a.refill = [this] { Fill(); };
  a.add = [this] { return AddSlip(); };
  a.change = [this](int row) { return EditSlip(row); };
  a.remove = [this](int row) { Doc().slips.Delete(SlipIdAt(row)); };
  // The list is in date order: the stored slip is found again by its id.
  a.storedRow = [this] { return RowOfSlip(storedSlip_); };
  a.changed = [this] { Doc().MarkChanged(); };
  return a;
}

void TFormSlipList::FormShow() {
  const bool shipment = Tag == kShipmentSlip;
  ButtonPrintDeliver->setVisible(shipment);
  ButtonPrint->setVisible(shipment);
  {
    const QSignalBlocker quietCheck(CheckBoxFocus);
    const QSignalBlocker quietFrom(DateTimePickerFrom);
    const QSignalBlocker quietTo(DateTimePickerTo);
    const QSignalBlocker quietTabs(TabControlCustomerList);
    CheckBoxFocus->setChecked(false);
    DateTimePickerFrom->setDate(ToQDate(Today()));
    DateTimePickerTo->setDate(ToQDate(Today()));
    while (TabControlCustomerList->count() > 0) TabControlCustomerList->removeTab(0);
    for (const CustomerRecord& partner : Doc().Partners(Tag).Records()) {
      TabControlCustomerList->addTab(FromSjis(partner.name));
    }
    TabControlCustomerList->setCurrentIndex(0);
  }
  TakeRounding();
  Fill();
}

void TFormSlipList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormSlipList::TabControlCustomerListChange() {
  TakeRounding();
  Fill();
}

void TFormSlipList::CheckBoxFocusClick() {
  Fill();
}

void TFormSlipList::DateTimePickerChange() {
  if (CheckBoxFocus->isChecked()) Fill();
}

void TFormSlipList::TakeRounding() {
  const std::optional<int32_t> partner = PartnerId();
  rounding_ = partner ? TermsOf(Doc(), Tag, *partner).rounding : Doc().company.rounding;
}

std::optional<int32_t> TFormSlipList::PartnerId() const {
  const int tab = TabControlCustomerList->currentIndex();
  const CustomerList& partners = Doc().Partners(Tag);
  if (tab < 0 || tab >= partners.Count()) return std::nullopt;
  return partners.Records()[static_cast<size_t>(tab)].id;
}

std::optional<SlipPeriod> TFormSlipList::Period() const {
  if (!CheckBoxFocus->isChecked()) return std::nullopt;
  return SlipPeriod{FromQDate(DateTimePickerFrom->date()), FromQDate(DateTimePickerTo->date())};
}

// Every refill also empties the detail of the slip selected before.
void TFormSlipList::Fill() {
  FillListView(ListViewSlipDetail, {});
  SlipListRows list;
  if (const std::optional<int32_t> partner = PartnerId()) {
    if (!ComputedWithinRange([&] { list = ComputeSlipList(Doc(), Tag, *partner, Period()); })) {
      list = SlipListRows{};
    }
  }
  ShowRows(list);
  // The latest slip is the one a clerk looks for: selected, its lines shown, in view.
  SelectViewRow(ListViewSlipList, ListViewSlipList->rowCount() - 1);
  // Once the window is laid out, the row is wholly in view.
  QTimer::singleShot(0, ListViewSlipList, [view = ListViewSlipList] {
    if (view->currentIndex().isValid()) view->scrollTo(view->currentIndex());
  });
}

void TFormSlipList::ShowRows(const SlipListRows& list) {
  const std::vector<QStringList> rows = ShownTexts(SlipListShown(list));
  {
    // The detail was emptied already; the lost selection needs no second refill.
    const QSignalBlocker quiet(ListViewSlipList);
    FillListView(ListViewSlipList, rows);
  }
  SsEditTotal->SetText(FormattedAmount(list.total));
}

void TFormSlipList::ListViewSlipListSelectItem() {
  std::vector<QStringList> rows;
  const int row = SelectedViewRow(ListViewSlipList);
  const Slip* slip = row >= 0 ? Doc().slips.Find(SlipIdAt(row)) : nullptr;
  if (slip != nullptr) {
    ComputedWithinRange([&] {
      rows = SlipDetailTexts(ComputeSlipDetail(Doc(), *slip, rounding_), IsReturnSlip(slip->kind));
    });
  }
  FillListView(ListViewSlipDetail, rows);
}

int32_t TFormSlipList::SlipIdAt(int row) const {
  const QTableWidgetItem* item = ListViewSlipList->item(row, kIdColumn);
  return item != nullptr ? item->text().toInt() : -1;
}

int TFormSlipList::RowOfSlip(int32_t slipId) const {
  for (int row = 0; row < ListViewSlipList->rowCount(); ++row) {
    if (SlipIdAt(row) == slipId) return row;
  }
  return -1;
}

void TFormSlipList::ButtonAddSlipClick() {
  pattern_->Add();
}

void TFormSlipList::ButtonEditSlipClick() {
  pattern_->Change();
}

void TFormSlipList::ListViewSlipListDblClick() {
  pattern_->DoubleClick();
}

void TFormSlipList::ButtonDeleteSlipClick() {
  pattern_->Delete();
}

bool TFormSlipList::AddSlip() {
  const std::optional<int32_t> partner = PartnerId();
  TFormSlipAdd* entry = Entry();
  if (!partner || entry == nullptr) return false;
  entry->PrepareNewSlip(Tag, *partner,
                        TabControlCustomerList->tabText(TabControlCustomerList->currentIndex()));
  if (ShowModal(entry) != QDialog::Accepted) return false;
  Slip slip = entry->WorkingSlip();
  return StoreChecked(
      [&] {
        Doc().slips.Add(slip);
        storedSlip_ = slip.id;
      },
      [&] { Doc().slips.Delete(slip.id); });
}

bool TFormSlipList::EditSlip(int row) {
  const int32_t id = SlipIdAt(row);
  const Slip* stored = Doc().slips.Find(id);
  TFormSlipAdd* entry = Entry();
  if (stored == nullptr || entry == nullptr) return false;
  const Slip before = *stored;
  entry->PrepareEditSlip(Tag, id,
                         TabControlCustomerList->tabText(TabControlCustomerList->currentIndex()));
  if (ShowModal(entry) != QDialog::Accepted) return false;
  const Slip& edited = entry->WorkingSlip();
  return StoreChecked(
      [&] {
        Doc().slips.Update(edited);
        storedSlip_ = id;
      },
      [&] { Doc().slips.Update(before); });
}

// A slip whose partner's totals would leave the range of amounts is taken back out, so
// the document stays as it was.
bool TFormSlipList::StoreChecked(const std::function<void()>& store,
                                 const std::function<void()>& undo) {
  store();
  const bool ok =
      ComputedWithinRange([&] { ComputeSlipList(Doc(), Tag, PartnerId().value_or(-1), Period()); });
  if (!ok) undo();
  return ok;
}

void TFormSlipList::ButtonPrintClick() {
  if (ListViewSlipList->rowCount() == 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  const std::optional<int32_t> partner = PartnerId();
  SlipListRows list;
  if (!partner ||
      !ComputedWithinRange([&] { list = ComputeSlipList(Doc(), Tag, *partner, Period()); })) {
    return;
  }
  PrintReport(kReportSlipList, SlipListReport(PrintSnapshot(list)));
}

// The report prints the rows as the list shows them; the page totals add the values.
SlipListSnapshot TFormSlipList::PrintSnapshot(const SlipListRows& list) const {
  SlipListSnapshot snapshot;
  if (CheckBoxFocus->isChecked()) {
    snapshot.period = PeriodText(DateTimePickerFrom->date(), DateTimePickerTo->date());
  }
  snapshot.partner = TabControlCustomerList->tabText(TabControlCustomerList->currentIndex());
  for (int r = 0; r < ListViewSlipList->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < 3; ++c) row << ListViewSlipList->item(r, c)->text();
    snapshot.rows.push_back(row);
  }
  for (const SlipListRow& row : list.rows) snapshot.values.push_back(row.total);
  snapshot.total = SsEditTotal->Text();
  snapshot.printDate = QDate::currentDate();
  return snapshot;
}

void TFormSlipList::ButtonPrintDeliverClick() {
  const int row = SelectedViewRow(ListViewSlipList);
  if (row < 0) {
    ShowMessage(QStringLiteral("印刷する伝票を選択してください。"));
    return;
  }
  PrintDeliveryNote(Tag, SlipIdAt(row), TabControlCustomerList->currentIndex());
}

TFormSlipAdd* TFormSlipList::Entry() const {
  return Forms().As<TFormSlipAdd>(FormId::SlipAdd);
}
