#include "form_payment_list.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "amount_text.h"
#include "date_convert.h"
#include "dialogs.h"
#include "document.h"
#include "form_controls.h"
#include "form_payment_add.h"
#include "form_registry.h"
#include "list_view.h"
#include "partner_tabs.h"
#include "payment_mode.h"
#include "payment_rows.h"
#include "sjis_codec.h"
#include "window_style.h"

namespace {

constexpr int kIdColumn = 3;
constexpr int kLabelPixelSize = 16;

ListMessages PaymentMessages(int mode) {
  ListMessages m;
  m.selectToChange = QStringLiteral("修正するデータを選択してください。");
  m.selectToDelete = QStringLiteral("削除するデータを選択してください。");
  m.fixedChange = QStringLiteral("初期入金残高は取引先リストから変更してください。");
  m.fixedDelete = QStringLiteral("初期入金残高は取引先リストから削除してください。");
  m.confirmDelete = PaymentTexts(mode).confirmDelete;
  return m;
}

}  // namespace

TFormPaymentList::TFormPaymentList(Document& doc) : TForm(doc) {
  setWindowTitle(QStringLiteral("入金リスト"));
  // Left with "戻る" (or the close box) only.
  BuildControls();
  BuildLayout();
  Connect();
  SetModeTexts();
}

void TFormPaymentList::BuildControls() {
  PanelTop = new QWidget(this);
  PanelTop->setObjectName(QStringLiteral("PanelTop"));
  ButtonAddPayment = FormButton(PanelTop, QString(), QStringLiteral("ButtonAddPayment"));
  ButtonEditPayment =
      FormButton(PanelTop, QStringLiteral("修正する"), QStringLiteral("ButtonEditPayment"));
  ButtonDelPayment =
      FormButton(PanelTop, QStringLiteral("削除"), QStringLiteral("ButtonDelPayment"));
  ButtonOk = FormButton(PanelTop, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
  TabControlCustomerList = new QTabBar(this);
  TabControlCustomerList->setObjectName(QStringLiteral("TabControlCustomerList"));
  TabControlCustomerList->setExpanding(false);
  LabelPeriod = new QLabel(this);
  LabelPeriod->setObjectName(QStringLiteral("LabelPeriod"));
  LabelPeriod->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  QFont bold = LabelPeriod->font();
  bold.setBold(true);
  bold.setPixelSize(kLabelPixelSize);
  LabelPeriod->setFont(bold);
  ListViewPaymentList = NewListView(this, QStringLiteral("ListViewPaymentList"),
                                    {{QString(), 100},
                                     {QString(), 130, true},
                                     {QStringLiteral("備考"), 250},
                                     {QStringLiteral("id"), 0}});
  ListViewPaymentList->setColumnHidden(kIdColumn, true);
}

void TFormPaymentList::BuildLayout() {
  auto* top = new QHBoxLayout(PanelTop);
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(ButtonAddPayment);
  top->addWidget(ButtonEditPayment);
  top->addWidget(ButtonDelPayment);
  top->addStretch();
  top->addWidget(ButtonOk);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PanelTop);
  layout->addWidget(TabControlCustomerList);
  layout->addWidget(LabelPeriod);
  layout->addWidget(ListViewPaymentList, 1);
  SetResizableWindowStyle(this, {536, 553});
}

void TFormPaymentList::Connect() {
  connect(ButtonAddPayment, &QPushButton::clicked, this, &TFormPaymentList::ButtonAddPaymentClick);
  connect(ButtonEditPayment, &QPushButton::clicked, this,
          &TFormPaymentList::ButtonEditPaymentClick);
  connect(ButtonDelPayment, &QPushButton::clicked, this, &TFormPaymentList::ButtonDelPaymentClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(TabControlCustomerList, &QTabBar::currentChanged, this,
          &TFormPaymentList::TabControlCustomerListChange);
  connect(ListViewPaymentList, &QTableWidget::itemDoubleClicked, this,
          &TFormPaymentList::ListViewPaymentListDblClick);
}

// The wording and the delete question follow the mode.
void TFormPaymentList::SetModeTexts() {
  const PaymentModeTexts& texts = PaymentTexts(Tag);
  ButtonAddPayment->setText(texts.addButton);
  ListViewPaymentList->horizontalHeaderItem(0)->setText(texts.date);
  ListViewPaymentList->horizontalHeaderItem(1)->setText(texts.amount);
  pattern_ = std::make_unique<ListWindowPattern>(ListViewPaymentList, Actions(),
                                                 PaymentMessages(Tag), FirstRow::Fixed);
}

ListActions TFormPaymentList::Actions() {
  ListActions a;
  a.refill = [this] { Fill(); };
  a.add = [this] { return AddPayment(); };
  a.change = [this](int row) { return EditPayment(row); };
  a.remove = [this](int row) { Doc().PaymentsOf(Tag).Delete(PaymentIdAt(row)); };
  // The list is in date order: the stored record is found again by its id.
  a.storedRow = [this] { return RowOfPayment(storedPayment_); };
  a.changed = [this] { Doc().MarkChanged(); };
  return a;
}

void TFormPaymentList::FormShow() {
  SetModeTexts();
  FillPartnerTabs(TabControlCustomerList, Doc().Partners(Tag));
  pattern_->Refill();
}

void TFormPaymentList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormPaymentList::TabControlCustomerListChange() {
  pattern_->Refill();
}

void TFormPaymentList::Fill() {
  std::vector<QStringList> rows;
  const std::optional<int32_t> partner = PartnerId();
  if (!partner) {
    LabelPeriod->clear();
    FillListView(ListViewPaymentList, rows);
    return;
  }
  const PaymentRows shown = ComputePaymentRows(Doc(), Tag, *partner);
  LabelPeriod->setText(shown.termsLabel);
  rows.push_back({QStringLiteral("-"), FormattedAmount(shown.openingBalance),
                  QStringLiteral("初期入金残高"), QString()});
  for (const Payment& p : shown.records) {
    rows.push_back({ShortDateText(p.date), FormattedAmount(p.amount), FromSjis(p.note),
                    QString::number(p.id)});
  }
  FillListView(ListViewPaymentList, rows);
}

int32_t TFormPaymentList::PaymentIdAt(int row) const {
  const QTableWidgetItem* item = ListViewPaymentList->item(row, kIdColumn);
  bool ok = false;
  const int32_t id = item != nullptr ? item->text().toInt(&ok) : -1;
  return ok ? id : -1;
}

int TFormPaymentList::RowOfPayment(int32_t paymentId) const {
  for (int row = 1; row < ListViewPaymentList->rowCount(); ++row) {
    if (PaymentIdAt(row) == paymentId) return row;
  }
  return -1;
}

std::optional<int32_t> TFormPaymentList::PartnerId() const {
  return PartnerOfTab(TabControlCustomerList, Doc().Partners(Tag));
}

void TFormPaymentList::ButtonAddPaymentClick() {
  pattern_->Add();
}

void TFormPaymentList::ButtonEditPaymentClick() {
  pattern_->Change();
}

void TFormPaymentList::ButtonDelPaymentClick() {
  pattern_->Delete();
}

void TFormPaymentList::ListViewPaymentListDblClick() {
  pattern_->DoubleClick();
}

bool TFormPaymentList::AddPayment() {
  const std::optional<int32_t> partner = PartnerId();
  TFormPaymentAdd* entry = Entry();
  if (!partner || entry == nullptr) return false;
  entry->PrepareNewPayment(Tag, *partner);
  if (ShowModal(entry) != QDialog::Accepted) return false;
  const Payment& p = entry->WorkingPayment();
  PaymentList& list = Doc().PaymentsOf(Tag);
  list.Add(p.partner, p.date, p.amount, p.note);
  storedPayment_ = list.Records().back().id;
  return true;
}

bool TFormPaymentList::EditPayment(int row) {
  const int32_t id = PaymentIdAt(row);
  TFormPaymentAdd* entry = Entry();
  if (id < 0 || entry == nullptr) return false;
  entry->PrepareEditPayment(Tag, id);
  if (ShowModal(entry) != QDialog::Accepted) return false;
  const Payment& p = entry->WorkingPayment();
  Doc().PaymentsOf(Tag).Update(id, p.note, p.amount, p.date);
  storedPayment_ = id;
  return true;
}

TFormPaymentAdd* TFormPaymentList::Entry() const {
  return Forms().As<TFormPaymentAdd>(FormId::PaymentAdd);
}
