#include "form_customer_list.h"

#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs.h"
#include "document.h"
#include "form_controls.h"
#include "form_csv_import.h"
#include "form_customer_add.h"
#include "form_registry.h"
#include "list_find.h"
#include "list_view.h"
#include "master_list_reports.h"
#include "partner_row.h"
#include "partner_rules.h"
#include "print_hand_off.h"
#include "window_style.h"

namespace {

QString EntryCaption(int kind, bool adding) {
  if (kind == kCustomerKind) {
    return adding ? QStringLiteral("出荷先の追加") : QStringLiteral("出荷先の変更");
  }
  return adding ? QStringLiteral("仕入先の追加") : QStringLiteral("仕入先の変更");
}

ListMessages PartnerMessages() {
  ListMessages m;
  m.selectToMoveDown = QStringLiteral("下に移動する項目を選択して下さい。");
  return m;
}

}  // namespace

TFormCustomerList::TFormCustomerList(Document& doc) : TForm(doc) {
  // Left with "戻る" (or the close box) only.
  BuildControls();
  BuildLayout();
  Connect();
  pattern_ =
      std::make_unique<ListWindowPattern>(ListViewCustomerList, Actions(), PartnerMessages());
}

void TFormCustomerList::BuildControls() {
  ListViewCustomerList = new QTableWidget(this);
  ListViewCustomerList->setObjectName(QStringLiteral("ListViewCustomerList"));
  SetUpListView(ListViewCustomerList, {{QStringLiteral("取引先名"), 150},
                                       {QStringLiteral("締日"), 100},
                                       {QStringLiteral("支払日"), 100},
                                       {QStringLiteral("住所"), 200}});
  FindBar = new TFindBar(this, TableFindTarget(ListViewCustomerList, {0}));
  ButtonIndexUp = SideButton(this, QStringLiteral("上に移動"), QStringLiteral("ButtonIndexUp"));
  ButtonIndexDown = SideButton(this, QStringLiteral("下に移動"), QStringLiteral("ButtonIndexDown"));
  ButtonImportCsv = SideButton(this, QStringLiteral("CSV取込…"), QStringLiteral("ButtonImportCsv"));
  ButtonDeleteCustomer =
      FormButton(this, QStringLiteral("削除"), QStringLiteral("ButtonDeleteCustomer"));
  ButtonEditCustomer =
      FormButton(this, QStringLiteral("変更"), QStringLiteral("ButtonEditCustomer"));
  ButtonAddCustomer = FormButton(this, QStringLiteral("追加"), QStringLiteral("ButtonAddCustomer"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
}

void TFormCustomerList::BuildLayout() {
  auto* moves = new QVBoxLayout;
  moves->addWidget(ButtonIndexUp);
  moves->addWidget(ButtonIndexDown);
  auto* actions = new QGridLayout;
  actions->addWidget(ButtonDeleteCustomer, 0, 0);
  actions->addWidget(ButtonEditCustomer, 0, 1);
  actions->addWidget(ButtonAddCustomer, 0, 2);
  actions->addWidget(ButtonPrint, 1, 1);
  actions->addWidget(ButtonOk, 1, 2);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(moves);
  bottom->addWidget(ButtonImportCsv, 0, Qt::AlignBottom);
  bottom->addStretch();
  bottom->addLayout(actions);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FindBar);
  layout->addWidget(ListViewCustomerList, 1);
  layout->addLayout(bottom);
  SetResizableWindowStyle(this, {792, 576});
}

void TFormCustomerList::Connect() {
  connect(ButtonAddCustomer, &QPushButton::clicked, this,
          &TFormCustomerList::ButtonAddCustomerClick);
  connect(ButtonEditCustomer, &QPushButton::clicked, this,
          &TFormCustomerList::ButtonEditCustomerClick);
  connect(ButtonDeleteCustomer, &QPushButton::clicked, this,
          &TFormCustomerList::ButtonDeleteCustomerClick);
  connect(ButtonIndexUp, &QPushButton::clicked, this, &TFormCustomerList::ButtonIndexUpClick);
  connect(ButtonIndexDown, &QPushButton::clicked, this, &TFormCustomerList::ButtonIndexDownClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormCustomerList::ButtonPrintClick);
  connect(ButtonImportCsv, &QPushButton::clicked, this, &TFormCustomerList::ButtonImportCsvClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ListViewCustomerList, &QTableWidget::itemDoubleClicked, this,
          &TFormCustomerList::ListViewCustomerListDblClick);
}

ListActions TFormCustomerList::Actions() {
  ListActions a;
  a.refill = [this] { Fill(); };
  a.add = [this] { return AddPartner(); };
  a.change = [this](int row) { return ChangePartner(row); };
  a.refuseDeleteAfterAsking = [this](int row) { return WhyNotDeletable(row); };
  a.remove = [this](int row) { Partners().Delete(row); };
  a.moveUp = [this](int row) { Partners().MoveUp(row); };
  a.moveDown = [this](int row) { Partners().MoveDown(row); };
  a.changed = [this] { Doc().MarkChanged(); };
  return a;
}

void TFormCustomerList::FormShow() {
  pattern_->Refill();
}

void TFormCustomerList::ButtonAddCustomerClick() {
  pattern_->Add();
}

void TFormCustomerList::ButtonEditCustomerClick() {
  pattern_->Change();
}

void TFormCustomerList::ButtonDeleteCustomerClick() {
  pattern_->Delete();
}

void TFormCustomerList::ButtonIndexUpClick() {
  pattern_->MoveUp();
}

void TFormCustomerList::ButtonIndexDownClick() {
  pattern_->MoveDown();
}

void TFormCustomerList::ListViewCustomerListDblClick() {
  pattern_->DoubleClick();
}

void TFormCustomerList::ButtonImportCsvClick() {
  const ImportTarget target =
      Tag == kCustomerKind ? ImportTarget::Customers : ImportTarget::Suppliers;
  if (ImportCsvFromFile(this, target)) pattern_->Refill();
}

void TFormCustomerList::ButtonPrintClick() {
  PrintReport(kReportPartnerList,
              PartnerListReport({PartnerListTitle(Tag), ListViewTexts(ListViewCustomerList),
                                 QDate::currentDate()}));
}

void TFormCustomerList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormCustomerList::Fill() {
  std::vector<QStringList> rows;
  for (const CustomerRecord& partner : Partners().Records()) {
    rows.push_back(PartnerRowTexts(Doc().company, partner));
  }
  FillListView(ListViewCustomerList, rows);
}

bool TFormCustomerList::AddPartner() {
  TFormCustomerAdd* entry = Entry();
  entry->Prepare(EntryCaption(Tag, true), CustomerRecord{});
  if (ShowModal(entry) != QDialog::Accepted) return false;
  Partners().Add(entry->Entered());
  return true;
}

bool TFormCustomerList::ChangePartner(int row) {
  TFormCustomerAdd* entry = Entry();
  entry->Prepare(EntryCaption(Tag, false), Partners().Get(row));
  if (ShowModal(entry) != QDialog::Accepted) return false;
  Partners().Update(row, entry->Entered());
  return true;
}

QString TFormCustomerList::WhyNotDeletable(int row) const {
  const int32_t id = Doc().Partners(Tag).Get(row).id;
  if (PartnerHasSlips(Doc().slips, Tag, id)) {
    return QStringLiteral("この取引先は既に伝票が入力されているため、削除できません。");
  }
  if (!PartnerHasPayments(Doc().PaymentsOf(Tag), id)) return QString();
  return Tag == kCustomerKind
             ? QStringLiteral("この取引先は既に入金データが入力されているため、削除できません。")
             : QStringLiteral("この取引先は既に支払データが入力されているため、削除できません。");
}

CustomerList& TFormCustomerList::Partners() {
  return Doc().Partners(Tag);
}

TFormCustomerAdd* TFormCustomerList::Entry() const {
  return Forms().As<TFormCustomerAdd>(FormId::CustomerAdd);
}
