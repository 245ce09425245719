#include "form_monthly_trend.h"

#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "amount_text.h"
#include "chart_view.h"
#include "dialogs.h"
#include "form_controls.h"
#include "list_find.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "print_hand_off.h"
#include "sjis_codec.h"
#include "trend_report.h"
#include "window_style.h"

namespace {

constexpr size_t kChartRows = 10;

std::vector<ListColumn> Columns(const ShownList& shown) {
  std::vector<ListColumn> columns;
  for (size_t c = 0; c < shown.columns.size(); ++c) {
    columns.push_back({shown.columns[c].caption, c == 0 ? 150 : 80, c > 0});
  }
  return columns;
}

// A cell's amount for sorting: "1,234", "-5", "112.5%"; a blank sorts below every number.
std::optional<Money> SortValue(const QString& text) {
  QString plain = CleanedAmountText(text);
  plain.remove(QLatin1Char('%'));
  return AmountOf(plain);
}

}  // namespace

TFormMonthlyTrend::TFormMonthlyTrend(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormMonthlyTrend"));
  setWindowTitle(QStringLiteral("月別推移"));
  BuildControls();
  BuildLayout();
}

void TFormMonthlyTrend::BuildControls() {
  ComboBoxOf = PickList(this, QStringLiteral("ComboBoxOf"),
                        {QStringLiteral("売上"), QStringLiteral("仕入")});
  ComboBoxBy =
      PickList(this, QStringLiteral("ComboBoxBy"),
               {QStringLiteral("得意先別"), QStringLiteral("商品別"), QStringLiteral("合計")});
  EditYear = new QSpinBox(this);
  EditYear->setObjectName(QStringLiteral("EditYear"));
  EditYear->setRange(1900, 9998);
  EditYear->setValue(QDate::currentDate().year());
  EditYear->setSuffix(QStringLiteral("年"));
  QStringList months;
  for (int m = 1; m <= 12; ++m) months << QStringLiteral("%1月から").arg(m);
  ComboBoxStartMonth = PickList(this, QStringLiteral("ComboBoxStartMonth"), months);
  ButtonUpdate = FormButton(this, QStringLiteral("更新"), QStringLiteral("ButtonUpdate"));
  ListViewTrend = new QTableWidget(this);
  ListViewTrend->setObjectName(QStringLiteral("ListViewTrend"));
  ListViewTrend->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ListViewTotal = new QTableWidget(this);
  ListViewTotal->setObjectName(QStringLiteral("ListViewTotal"));
  ListViewTotal->setFocusPolicy(Qt::NoFocus);
  // The total row scrolls with the table above it.
  ListViewTotal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ListViewTotal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  connect(ListViewTrend->horizontalScrollBar(), &QScrollBar::valueChanged,
          ListViewTotal->horizontalScrollBar(), &QScrollBar::setValue);
  FindBar = new TFindBar(this, TableFindTarget(ListViewTrend, {0}));
  ChartTrend = new TChartView(this);
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
  connect(ComboBoxOf, &QComboBox::currentIndexChanged, this, [this](int of) {
    ComboBoxBy->setItemText(0, of == 0 ? QStringLiteral("得意先別") : QStringLiteral("仕入先別"));
  });
  connect(ButtonUpdate, &QPushButton::clicked, this, &TFormMonthlyTrend::ButtonUpdateClick);
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormMonthlyTrend::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ListViewTrend->horizontalHeader(), &QHeaderView::sectionClicked, this,
          &TFormMonthlyTrend::SortBy);
  connect(ListViewTrend, &QTableWidget::itemSelectionChanged, this,
          &TFormMonthlyTrend::SelectionChange);
}

void TFormMonthlyTrend::BuildLayout() {
  auto* conditions = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{ComboBoxOf, ComboBoxBy, EditYear,
                                                    ComboBoxStartMonth, ButtonUpdate}) {
    conditions->addWidget(w);
  }
  conditions->addStretch();
  conditions->addWidget(FindBar);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(ButtonPrint);
  bottom->addWidget(ButtonOk);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(conditions);
  layout->addWidget(ListViewTrend, 3);
  layout->addWidget(ListViewTotal);
  layout->addWidget(ChartTrend, 2);
  layout->addLayout(bottom);
  SetResizableWindowStyle(this, {1100, 720});
}

void TFormMonthlyTrend::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormMonthlyTrend::FormShow() {
  ButtonUpdateClick();
}

TrendQuery TFormMonthlyTrend::Query() const {
  TrendQuery q;
  q.of = ComboBoxOf->currentIndex() == 1 ? TrendOf::Purchases : TrendOf::Sales;
  const int by = ComboBoxBy->currentIndex();
  q.by = by == 1 ? TrendBy::Item : by == 2 ? TrendBy::Total : TrendBy::Partner;
  q.year = EditYear->value();
  q.startMonth = ComboBoxStartMonth->currentIndex() + 1;
  return q;
}

void TFormMonthlyTrend::ButtonUpdateClick() {
  try {
    trend_ = ComputeMonthlyTrend(Doc(), Query());
  } catch (const MoneyOverflow&) {
    ShowMessage(QStringLiteral("金額が大きすぎるため集計できません。"));
    trend_ = MonthlyTrend{};
  }
  shown_ = TrendShown(trend_);
  order_.resize(shown_.rows.rows.size());
  for (size_t i = 0; i < order_.size(); ++i) order_[i] = i;
  sortColumn_ = -1;
  SetUpListView(ListViewTrend, Columns(shown_.rows));
  ListViewTrend->setSelectionMode(QAbstractItemView::ExtendedSelection);
  SetUpListView(ListViewTotal, Columns(shown_.rows));
  ListViewTotal->horizontalHeader()->hide();
  FillListView(ListViewTotal, {shown_.total});
  ListViewTotal->setFixedHeight(ListRowHeight(ListViewTotal) + 2 * ListViewTotal->frameWidth());
  ShowRows();
}

void TFormMonthlyTrend::ShowRows() {
  std::vector<QStringList> rows;
  rows.reserve(order_.size());
  for (size_t i : order_) rows.push_back(shown_.rows.rows[i]);
  FillListView(ListViewTrend, rows);
  SelectionChange();
}

void TFormMonthlyTrend::SortBy(int column) {
  descending_ = column == sortColumn_ ? !descending_ : column > 0;
  sortColumn_ = column;
  const auto& rows = shown_.rows.rows;
  std::stable_sort(order_.begin(), order_.end(), [&](size_t a, size_t b) {
    const QString& x = rows[a].value(column);
    const QString& y = rows[b].value(column);
    if (column == 0) return descending_ ? y < x : x < y;
    const std::optional<Money> vx = SortValue(x);
    const std::optional<Money> vy = SortValue(y);
    if (!vx || !vy) return vx.has_value() && !vy.has_value();  // blanks last
    return descending_ ? *vy < *vx : *vx < *vy;
  });
  ListViewTrend->horizontalHeader()->setSortIndicatorShown(true);
  ListViewTrend->horizontalHeader()->setSortIndicator(
      column, descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
  ShowRows();
}

std::vector<size_t> TFormMonthlyTrend::Selected() const {
  std::vector<int> rows;
  for (const QModelIndex& index : ListViewTrend->selectionModel()->selectedRows()) {
    rows.push_back(index.row());
  }
  std::sort(rows.begin(), rows.end());
  std::vector<size_t> selected;
  for (int r : rows) selected.push_back(order_[static_cast<size_t>(r)]);
  if (selected.size() > kChartRows) selected.resize(kChartRows);
  return selected;
}

void TFormMonthlyTrend::SelectionChange() {
  ChartTrend->SetChart(TrendChartOf(trend_, Selected()));
}

void TFormMonthlyTrend::ButtonPrintClick() {
  PrintReport(kReportTrend,
              TrendReport(TrendSnapshotOf(trend_, order_, Selected(), QDate::currentDate())));
}
