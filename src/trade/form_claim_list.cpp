#include "form_claim_list.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "amount_text.h"
#include "computed_list_csv.h"
#include "confirmation_list_report.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "document.h"
#include "file_names.h"
#include "form_claim_detail.h"
#include "form_controls.h"
#include "form_registry.h"
#include "list_csv.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "overflow_guard.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "shown_lists.h"
#include "window_style.h"

namespace {

constexpr int kIdColumn = 4;

bool SameMonth(const QDate& a, const QDate& b) {
  return a.year() == b.year() && a.month() == b.month();
}

}  // namespace

TFormClaimList::TFormClaimList(Document& doc) : TForm(doc) {
  // Left with "戻る" (or the close box) only.
  BuildControls();
  BuildLayout();
  Connect();
  SetModeTexts();
}

void TFormClaimList::BuildControls() {
  PanelTop = new QWidget(this);
  PanelTop->setObjectName(QStringLiteral("PanelTop"));
  LabelMonth = new QLabel(QStringLiteral("対象月"), PanelTop);
  DateTimePickerMonth = MonthPicker(PanelTop, QStringLiteral("DateTimePickerMonth"));
  ButtonPrintList = FormButton(PanelTop, QString(), QStringLiteral("ButtonPrintList"));
  ListViewClaimList = NewListView(this, QStringLiteral("ListViewClaimList"),
                                  {{QStringLiteral("得意先名"), 200},
                                   {QString(), 200, true},
                                   {QStringLiteral("締日"), 120},
                                   {QStringLiteral("支払予定"), 120},
                                   {QStringLiteral("id"), 0}});
  ListViewClaimList->setColumnHidden(kIdColumn, true);
  SetCsvSource(
      ListViewClaimList,
      [this] { return ClaimsShownCsv(Doc(), Tag, FromQDate(DateTimePickerMonth->date())); },
      [this] {
        return QStringList{windowTitle(), YearMonthText(DateTimePickerMonth->date())};
      });
  ButtonPrint =
      FormButton(this, QStringLiteral("請求書表示（印刷）"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
}

void TFormClaimList::BuildLayout() {
  auto* top = new QHBoxLayout(PanelTop);
  top->setContentsMargins(0, 0, 0, 0);
  top->addWidget(LabelMonth);
  top->addWidget(DateTimePickerMonth);
  top->addStretch();
  top->addWidget(ButtonPrintList);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PanelTop);
  layout->addWidget(ListViewClaimList, 1);
  layout->addLayout(ControlRow({ButtonPrint}, {ButtonOk}));
  SetResizableWindowStyle(this, {714, 592});
}

void TFormClaimList::Connect() {
  connect(DateTimePickerMonth, &QDateEdit::dateChanged, this,
          &TFormClaimList::DateTimePickerMonthChange);
  connect(ButtonPrintList, &QPushButton::clicked, this, &TFormClaimList::ButtonPrintListClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormClaimList::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ListViewClaimList, &QTableWidget::itemDoubleClicked, this,
          &TFormClaimList::ListViewClaimListDblClick);
}

void TFormClaimList::SetModeTexts() {
  const bool customers = Tag == kCustomerKind;
  setWindowTitle(customers ? QStringLiteral("請求書作成") : QStringLiteral("取引先別支払一覧"));
  ButtonPrintList->setText(customers ? QStringLiteral("入金確認一覧印刷")
                                     : QStringLiteral("支払確認一覧印刷"));
  ListViewClaimList->horizontalHeaderItem(1)->setText(customers ? QStringLiteral("請求金額")
                                                                : QStringLiteral("支払金額"));
  ButtonPrint->setVisible(customers);
}

void TFormClaimList::FormShow() {
  SetModeTexts();
  {
    const QSignalBlocker quiet(DateTimePickerMonth);
    DateTimePickerMonth->setDate(ToQDate(Today()));
  }
  shownMonth_ = DateTimePickerMonth->date();
  Fill();
}

void TFormClaimList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

// Another day of the same month shows the same claims: nothing is recomputed.
void TFormClaimList::DateTimePickerMonthChange() {
  const QDate picked = DateTimePickerMonth->date();
  const bool otherMonth = !SameMonth(picked, shownMonth_);
  shownMonth_ = picked;
  if (otherMonth) Fill();
}

void TFormClaimList::Fill() {
  const double month = FromQDate(DateTimePickerMonth->date());
  if (!ComputedWithinRange([&] { rows_ = ComputeClaimList(Doc(), Tag, month); })) rows_.clear();
  FillListView(ListViewClaimList, ShownTexts(ClaimListShown(rows_, Tag)));
}

int32_t TFormClaimList::PartnerIdAt(int row) const {
  const QTableWidgetItem* item = ListViewClaimList->item(row, kIdColumn);
  return item != nullptr ? item->text().toInt() : -1;
}

void TFormClaimList::ButtonPrintClick() {
  const int row = SelectedViewRow(ListViewClaimList);
  if (row < 0) {
    ShowMessage(QStringLiteral("請求データを選択してください。"));
    return;
  }
  auto* detail = Forms().As<TFormClaimDetail>(FormId::ClaimDetail);
  if (detail == nullptr) return;
  detail->Tag = Tag;
  detail->SetClaim(PartnerIdAt(row), FromQDate(DateTimePickerMonth->date()));
  ShowModal(detail);
}

// The invoice opens on double-click only where its button is offered (customers).
void TFormClaimList::ListViewClaimListDblClick() {
  if (!ButtonPrint->isHidden()) ButtonPrintClick();
}

void TFormClaimList::ButtonPrintListClick() {
  if (ListViewClaimList->rowCount() == 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  PrintReport(kReportConfirmationList, ConfirmationListReport(PrintSnapshot()));
}

// The report prints the rows as the list shows them; the page totals add the amounts the
// list was filled from.
ConfirmationListSnapshot TFormClaimList::PrintSnapshot() const {
  ConfirmationListSnapshot snapshot;
  snapshot.payments = Tag != kCustomerKind;
  snapshot.month = DateTimePickerMonth->date();
  for (int r = 0; r < ListViewClaimList->rowCount(); ++r) {
    QStringList row;
    for (int c = 0; c < kIdColumn; ++c) row << ListViewClaimList->item(r, c)->text();
    snapshot.rows.push_back(row);
    const auto index = static_cast<size_t>(r);
    snapshot.values.push_back(index < rows_.size() ? rows_[index].amount : Money());
  }
  snapshot.printDate = QDate::currentDate();
  return snapshot;
}
