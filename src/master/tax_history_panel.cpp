#include "tax_history_panel.h"

#include <QDateEdit>
#include <QFont>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "amount_text.h"
#include "date_convert.h"
#include "dates.h"
#include "dialogs.h"
#include "form_controls.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "pickers.h"
#include "ss_edit.h"
#include "tax_list.h"
#include "tax_table.h"

namespace {

// The add and change groups alike: the start date on one line, the rate and its button below.
void LayOutRateGroup(QGroupBox* group, QWidget* start, QWidget* rate, QPushButton* button) {
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(ControlRow({new QLabel(QStringLiteral("適用開始日"), group), start}, {}));
  layout->addLayout(ControlRow({new QLabel(QStringLiteral("税率"), group), rate,
                                new QLabel(QStringLiteral("％"), group), button},
                               {}));
}

}  // namespace

TaxHistoryPanel::TaxHistoryPanel(TaxList& rates, const TaxHistoryVariant& variant,
                                 std::function<void()> changed, QWidget* parent)
    : QWidget(parent), rates_(rates), variant_(variant), changed_(std::move(changed)) {
  setObjectName(Name("Panel", "TaxList"));
  Table = new QTableWidget(this);
  Table->setObjectName(Name("ListView", "TaxList"));
  SetUpListView(Table, {{QString(), 1},
                        {QStringLiteral("税率"), 60, true},
                        {QStringLiteral("適用開始日"), 130},
                        {QStringLiteral("適用終了日"), 130}});
  // The one-pixel first column only ever showed the current cell's focus box.
  Table->setColumnHidden(0, true);
  Table->setFixedHeight(105 + 40);
  BuildAddGroup();
  BuildEditGroup();
  BuildDeleteGroup();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  if (!variant.heading.isEmpty()) {
    auto* heading = new QLabel(variant.heading, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
  }
  layout->addWidget(Table);
  LabelToday = new QLabel(this);
  LabelToday->setObjectName(Name("Label", "Today"));
  layout->addWidget(LabelToday);
  layout->addWidget(GroupBoxAdd);
  layout->addWidget(GroupBoxEdit);
  layout->addWidget(GroupBoxDelete);
  layout->addStretch();

  connect(Table, &QTableWidget::itemSelectionChanged, this, &TaxHistoryPanel::SelectItem);
  connect(ButtonAdd, &QPushButton::clicked, this, &TaxHistoryPanel::AddClick);
  connect(ButtonEdit, &QPushButton::clicked, this, &TaxHistoryPanel::EditClick);
  connect(ButtonDelete, &QPushButton::clicked, this, &TaxHistoryPanel::DeleteClick);
}

QString TaxHistoryPanel::Name(const char* prefix, const char* suffix) const {
  return QLatin1String(prefix) + variant_.infix + QLatin1String(suffix);
}

void TaxHistoryPanel::BuildAddGroup() {
  GroupBoxAdd = new QGroupBox(QStringLiteral("新%1の追加").arg(variant_.term), this);
  GroupBoxAdd->setObjectName(Name("GroupBox", "Add"));
  StartDay = DatePicker(GroupBoxAdd, Name("DateTimePicker", "StartDay"));
  firstAllowed_ = StartDay->minimumDate();
  RateAdd = TSsEdit::Plain(GroupBoxAdd);
  RateAdd->setObjectName(Name("SsEdit", "RateAdd"));
  ButtonAdd = FormButton(GroupBoxAdd, QStringLiteral("登録"), Name("Button", "TaxAdd"));
  LayOutRateGroup(GroupBoxAdd, StartDay, RateAdd, ButtonAdd);
}

void TaxHistoryPanel::BuildEditGroup() {
  GroupBoxEdit = new QGroupBox(QStringLiteral("%1の変更").arg(variant_.term), this);
  GroupBoxEdit->setObjectName(Name("GroupBox", "Edit"));
  StartDayEdit = new QLineEdit(GroupBoxEdit);
  StartDayEdit->setObjectName(Name("Edit", "StartDayEdit"));
  StartDayEdit->setReadOnly(true);
  StartDayEdit->setFocusPolicy(Qt::NoFocus);
  RateEdit = TSsEdit::Plain(GroupBoxEdit);
  RateEdit->setObjectName(Name("SsEdit", "RateEdit"));
  ButtonEdit = FormButton(GroupBoxEdit, QStringLiteral("変更"), Name("Button", "TaxEdit"));
  LayOutRateGroup(GroupBoxEdit, StartDayEdit, RateEdit, ButtonEdit);
}

void TaxHistoryPanel::BuildDeleteGroup() {
  GroupBoxDelete = new QGroupBox(QStringLiteral("直近の%1の削除").arg(variant_.term), this);
  GroupBoxDelete->setObjectName(Name("GroupBox", "Delete"));
  ButtonDelete = FormButton(GroupBoxDelete, QStringLiteral("削除"), Name("Button", "TaxDelete"));
  auto* layout = new QHBoxLayout(GroupBoxDelete);
  layout->addWidget(ButtonDelete);
  layout->addStretch();
}

void TaxHistoryPanel::Show() {
  RefreshTable();
  ResetAddGroup();
}

void TaxHistoryPanel::RefreshTable() {
  const QSignalBlocker quiet(Table);
  FillListView(Table, TaxRows(rates_));
  LabelToday->setText(RateOfTheDayText(rates_, Today(), variant_.term));
  RateEdit->SetText(QString());
  StartDayEdit->clear();
}

void TaxHistoryPanel::ResetAddGroup() {
  RateAdd->SetText(QString());
  const QDate today = ToQDate(Today());
  if (const std::optional<double> earliest = EarliestNewStart(rates_)) {
    const QDate first = ToQDate(*earliest);
    StartDay->setMinimumDate(first);
    StartDay->setDate(today < first ? first : today);
  } else {
    if (variant_.freeStartWhenEmpty) StartDay->setMinimumDate(firstAllowed_);
    StartDay->setDate(today);
  }
}

void TaxHistoryPanel::SelectItem() {
  const int row = SelectedViewRow(Table);
  if (row < 0) {
    RateEdit->SetText(QString());
    StartDayEdit->clear();
    return;
  }
  const TaxRate rate = rates_.Get(row);
  RateEdit->SetText(FormattedAmount(rate.rate));
  StartDayEdit->setText(ShortDateText(rate.start));
}

std::optional<Money> TaxHistoryPanel::RateOf(TSsEdit* field) {
  const QString text = field->Text().trimmed();
  std::optional<Money> rate;
  if (text.isEmpty()) {
    ShowMessage(QStringLiteral("%1を入力してください。").arg(variant_.term));
  } else if (!(rate = AmountOf(text)) || *rate < Money{}) {
    // A negative rate has no meaning, and at -100 the tax contained in an amount would
    // divide by zero.
    ShowMessage(QStringLiteral("%1の入力が正しくありません。").arg(variant_.term));
    rate.reset();
  }
  if (!rate) field->setFocus();
  return rate;
}

void TaxHistoryPanel::AddClick() {
  const std::optional<Money> rate = RateOf(RateAdd);
  if (!rate) return;
  rates_.Add(FromQDate(StartDay->date()), *rate);
  changed_();
  RefreshTable();
  ResetAddGroup();
  SelectViewRow(Table, Table->rowCount() - 1);
}

void TaxHistoryPanel::EditClick() {
  const int row = SelectedViewRow(Table);
  if (row < 0) {
    ShowMessage(QStringLiteral("変更する項目を選択してください。"));
    return;
  }
  const std::optional<Money> rate = RateOf(RateEdit);
  if (!rate) return;
  if (!AskYesNo(QStringLiteral("%1を変更します、よろしいですか？").arg(variant_.term))) {
    ShowMessage(QStringLiteral("変更を中止しました。"));
    return;
  }
  rates_.SetRate(row, *rate);
  changed_();
  RefreshTable();
  SelectViewRow(Table, row);
}

void TaxHistoryPanel::DeleteClick() {
  if (rates_.Count() == 0) {
    ShowMessage(QStringLiteral("削除する項目がありません。"));
    return;
  }
  if (!AskYesNo(QStringLiteral("一番新しい%1を削除します。よろしいですか？").arg(variant_.term))) {
    return;
  }
  rates_.RemoveLast();
  changed_();
  RefreshTable();
  if (variant_.freeStartWhenEmpty && rates_.Count() == 0) ResetAddGroup();
}
