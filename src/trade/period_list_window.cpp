#include "period_list_window.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>

#include "date_convert.h"
#include "dates.h"
#include "file_names.h"
#include "form_controls.h"
#include "form_registry.h"
#include "list_csv.h"
#include "overflow_guard.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "ss_edit.h"
#include "window_style.h"

TFormPeriodList::TFormPeriodList(Document& doc, const PeriodListDesign& design)
    : TForm(doc), design_(design) {
  setWindowTitle(design_.caption);
  Build();
}

void TFormPeriodList::Build() {
  DateTimePickerFrom = DatePicker(this, QStringLiteral("DateTimePickerFrom"));
  DateTimePickerTo = DatePicker(this, QStringLiteral("DateTimePickerTo"));
  ButtonRefresh = FormButton(this, QStringLiteral("更新"), QStringLiteral("ButtonRefresh"));
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
  list_ = NewListView(this, design_.listName, design_.columns);
  SetCsvSource(
      list_, [this] { return Csv(Period()); },
      [this] {
        return QStringList{windowTitle(), DayText(DateTimePickerFrom->date()) + QLatin1Char('-') +
                                              DayText(DateTimePickerTo->date())};
      });
  if (design_.hiddenLastColumn) list_->setColumnHidden(list_->columnCount() - 1, true);

  top_ = ControlRow({new QLabel(QStringLiteral("期間"), this), DateTimePickerFrom,
                     new QLabel(QStringLiteral("～"), this), DateTimePickerTo, ButtonRefresh},
                    {});
  // Each total under its caption, the fields sharing the row's width: beside their
  // captions a ten-digit figure would not fit and show cut, as another number.
  auto* totals = new QGridLayout;
  int column = 0;
  for (const auto& [name, label] : design_.totals) {
    TSsEdit* total = TSsEdit::Plain(this);
    total->setObjectName(name);
    total->setReadOnly(true);
    total->SetAlignment(TSsAlignment::Right);
    totals->addWidget(new QLabel(label, this), 0, column);
    totals->addWidget(total, 1, column);
    totals->setColumnStretch(column++, 1);
    totals_.push_back(total);
  }
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(totals, 1);
  bottom->addWidget(ButtonPrint, 0, Qt::AlignBottom);
  bottom->addWidget(ButtonOk, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top_);
  layout->addWidget(list_, 1);
  layout->addLayout(bottom);
  SetResizableWindowStyle(this, design_.clientSize);

  connect(DateTimePickerFrom, &QDateEdit::dateChanged, this,
          &TFormPeriodList::DateTimePickerFromChange);
  connect(DateTimePickerTo, &QDateEdit::dateChanged, this,
          &TFormPeriodList::DateTimePickerToChange);
  connect(ButtonRefresh, &QPushButton::clicked, this, &TFormPeriodList::ButtonRefreshClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormPeriodList::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormPeriodList::AddFilters(std::initializer_list<QWidget*> filters) {
  const int stretch = top_->count() - 1;  // ControlRow ends the left part with a stretch
  int at = stretch;
  for (QWidget* filter : filters) top_->insertWidget(at++, filter);
}

void TFormPeriodList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormPeriodList::FormShow() {
  {
    const QSignalBlocker quietFrom(DateTimePickerFrom);
    const QSignalBlocker quietTo(DateTimePickerTo);
    DateTimePickerFrom->setDate(ToQDate(Today()));
    DateTimePickerTo->setDate(ToQDate(Today()));
    ResetFilters();
  }
  Show({{}, {}, QStringList(static_cast<int>(totals_.size()), QStringLiteral("0"))});
  // Nothing is computed yet: what the list would show is out of date.
  dirty_ = true;
}

void TFormPeriodList::DateTimePickerFromChange() {
  FilterChange();
}

void TFormPeriodList::DateTimePickerToChange() {
  FilterChange();
}

void TFormPeriodList::FilterChange() {
  dirty_ = true;
}

SlipPeriod TFormPeriodList::Period() const {
  return {FromQDate(DateTimePickerFrom->date()), FromQDate(DateTimePickerTo->date())};
}

void TFormPeriodList::ButtonRefreshClick() {
  Refresh();
}

// An overflow leaves an empty list with zero totals, after the message.
void TFormPeriodList::Refresh() {
  PeriodListView view;
  if (!ComputedWithinRange([&] { view = Compute(Period()); })) view = {};
  if (view.totals.isEmpty()) {
    view.totals = QStringList(static_cast<int>(totals_.size()), QStringLiteral("0"));
  }
  Show(view);
  dirty_ = false;
}

void TFormPeriodList::Show(const PeriodListView& view) {
  FillListView(list_, view.rows);
  for (size_t i = 0; i < totals_.size(); ++i) totals_[i]->SetText(view.totals[static_cast<int>(i)]);
}

void TFormPeriodList::ButtonPrintClick() {
  if (dirty_) Refresh();
  // An empty list is refused there with "印刷対象がありません。".
  PrintReport(design_.report, PeriodListReport(Snapshot()));
}

ListReportSnapshot TFormPeriodList::Snapshot() const {
  ListReportSnapshot snapshot;
  snapshot.report = design_.report;
  snapshot.from = FromQDate(DateTimePickerFrom->date());
  snapshot.to = FromQDate(DateTimePickerTo->date());
  const int columns = list_->columnCount() - (design_.hiddenLastColumn ? 1 : 0);
  for (int row = 0; row < list_->rowCount(); ++row) {
    QStringList texts;
    for (int c = 0; c < columns; ++c) {
      const QTableWidgetItem* item = list_->item(row, c);
      texts << (item != nullptr ? item->text() : QString());
    }
    snapshot.rows.push_back(texts);
  }
  for (const TSsEdit* total : totals_) snapshot.totals << total->Text();
  snapshot.printDate = QDate::currentDate();
  return snapshot;
}
