#include "form_tax_list.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "amount_text.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "document.h"
#include "form_controls.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "pickers.h"
#include "sjis_codec.h"
#include "ss_edit.h"
#include "tax_table.h"

TFormTaxList::TFormTaxList(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormTaxList"));
  setWindowTitle(QStringLiteral("税率の設定"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  SetEscCancels(false);

  ListViewTaxList = new QTableWidget(this);
  SetUpListView(ListViewTaxList, {{QString(), 1},
                                  {QStringLiteral("税率"), 60, true},
                                  {QStringLiteral("適用開始日"), 130},
                                  {QStringLiteral("適用終了日"), 130}});
  // The one-pixel first column only ever showed the current cell's focus box.
  ListViewTaxList->setColumnHidden(0, true);
  ListViewTaxList->setFixedHeight(105 + 40);

  GroupBoxAdd = new QGroupBox(QStringLiteral("新税率の追加"), this);
  DateTimePickerStartDay = DatePicker(GroupBoxAdd, QStringLiteral("DateTimePickerStartDay"));
  SsEditRateAdd = TSsEdit::Plain(GroupBoxAdd);
  ButtonTaxAdd = FormButton(GroupBoxAdd, QStringLiteral("登録"), QStringLiteral("ButtonTaxAdd"));
  auto* addLayout = new QVBoxLayout(GroupBoxAdd);
  addLayout->addLayout(ControlRow(
      {new QLabel(QStringLiteral("適用開始日"), GroupBoxAdd), DateTimePickerStartDay}, {}));
  addLayout->addLayout(ControlRow({new QLabel(QStringLiteral("税率"), GroupBoxAdd), SsEditRateAdd,
                                   new QLabel(QStringLiteral("％"), GroupBoxAdd), ButtonTaxAdd},
                                  {}));

  GroupBoxEdit = new QGroupBox(QStringLiteral("税率の変更"), this);
  EditStartDayEdit = new QLineEdit(GroupBoxEdit);
  EditStartDayEdit->setReadOnly(true);
  EditStartDayEdit->setFocusPolicy(Qt::NoFocus);
  SsEditRateEdit = TSsEdit::Plain(GroupBoxEdit);
  ButtonTaxEdit = FormButton(GroupBoxEdit, QStringLiteral("変更"), QStringLiteral("ButtonTaxEdit"));
  auto* editLayout = new QVBoxLayout(GroupBoxEdit);
  editLayout->addLayout(
      ControlRow({new QLabel(QStringLiteral("適用開始日"), GroupBoxEdit), EditStartDayEdit}, {}));
  editLayout->addLayout(
      ControlRow({new QLabel(QStringLiteral("税率"), GroupBoxEdit), SsEditRateEdit,
                  new QLabel(QStringLiteral("％"), GroupBoxEdit), ButtonTaxEdit},
                 {}));

  GroupBoxDelete = new QGroupBox(QStringLiteral("直近の税率の削除"), this);
  ButtonTaxDelete =
      FormButton(GroupBoxDelete, QStringLiteral("削除"), QStringLiteral("ButtonTaxDelete"));
  auto* deleteLayout = new QHBoxLayout(GroupBoxDelete);
  deleteLayout->addWidget(ButtonTaxDelete);
  deleteLayout->addStretch();

  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ListViewTaxList);
  layout->addWidget(GroupBoxAdd);
  layout->addWidget(GroupBoxEdit);
  layout->addWidget(GroupBoxDelete);
  layout->addStretch();
  layout->addWidget(ButtonOk, 0, Qt::AlignRight);
  resize(410, 508);
  setMinimumSize(410, 508);

  connect(ListViewTaxList, &QTableWidget::itemSelectionChanged, this,
          &TFormTaxList::ListViewTaxListSelectItem);
  connect(ButtonTaxAdd, &QPushButton::clicked, this, &TFormTaxList::ButtonTaxAddClick);
  connect(ButtonTaxEdit, &QPushButton::clicked, this, &TFormTaxList::ButtonTaxEditClick);
  connect(ButtonTaxDelete, &QPushButton::clicked, this, &TFormTaxList::ButtonTaxDeleteClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormTaxList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormTaxList::FormShow() {
  RefreshTable();
  ResetAddGroup();
}

void TFormTaxList::RefreshTable() {
  const QSignalBlocker quiet(ListViewTaxList);
  FillListView(ListViewTaxList, TaxRows(Doc().taxes));
  SsEditRateEdit->SetText(QString());
  EditStartDayEdit->clear();
}

void TFormTaxList::ResetAddGroup() {
  SsEditRateAdd->SetText(QString());
  const QDate today = ToQDate(Today());
  if (const std::optional<double> earliest = EarliestNewStart(Doc().taxes)) {
    const QDate first = ToQDate(*earliest);
    DateTimePickerStartDay->setMinimumDate(first);
    DateTimePickerStartDay->setDate(today < first ? first : today);
  } else {
    DateTimePickerStartDay->setDate(today);
  }
}

void TFormTaxList::ListViewTaxListSelectItem() {
  const int row = SelectedViewRow(ListViewTaxList);
  if (row < 0) {
    SsEditRateEdit->SetText(QString());
    EditStartDayEdit->clear();
    return;
  }
  const TaxRate rate = Doc().taxes.Get(row);
  SsEditRateEdit->SetText(FormattedAmount(rate.rate));
  EditStartDayEdit->setText(ShortDateText(rate.start));
}

std::optional<Money> TFormTaxList::RateOf(TSsEdit* field) {
  const QString text = field->Text().trimmed();
  std::optional<Money> rate;
  if (text.isEmpty()) {
    ShowMessage(QStringLiteral("税率を入力してください。"));
  } else if (!(rate = AmountOf(text))) {
    ShowMessage(QStringLiteral("税率の入力が正しくありません。"));
  }
  if (!rate) field->setFocus();
  return rate;
}

void TFormTaxList::ButtonTaxAddClick() {
  const std::optional<Money> rate = RateOf(SsEditRateAdd);
  if (!rate) return;
  Doc().taxes.Add(FromQDate(DateTimePickerStartDay->date()), *rate);
  RefreshTable();
  ResetAddGroup();
  SelectViewRow(ListViewTaxList, ListViewTaxList->rowCount() - 1);
}

void TFormTaxList::ButtonTaxEditClick() {
  const int row = SelectedViewRow(ListViewTaxList);
  if (row < 0) {
    ShowMessage(QStringLiteral("変更する項目を選択してください。"));
    return;
  }
  const std::optional<Money> rate = RateOf(SsEditRateEdit);
  if (!rate) return;
  if (!AskYesNo(QStringLiteral("税率を変更します、よろしいですか？"))) {
    ShowMessage(QStringLiteral("変更を中止しました。"));
    return;
  }
  Doc().taxes.SetRate(row, *rate);
  RefreshTable();
  SelectViewRow(ListViewTaxList, row);
}

void TFormTaxList::ButtonTaxDeleteClick() {
  if (Doc().taxes.Count() == 0) {
    ShowMessage(QStringLiteral("削除する項目がありません。"));
    return;
  }
  if (!AskYesNo(QStringLiteral("一番新しい税率を削除します。よろしいですか？"))) return;
  Doc().taxes.RemoveLast();
  RefreshTable();
}
