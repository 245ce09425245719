#pragma once

#include <vector>

#include "form.h"
#include "monthly_trend.h"
#include "trend_chart.h"

class QComboBox;
class QPushButton;
class QSpinBox;
class QTableWidget;
class TChartView;
class TFindBar;

// 月別推移: sales or purchases of a fiscal year month by month, per partner, per product
// or in total, against the year before, as a table and a chart of the rows selected.
class TFormMonthlyTrend : public TForm {
  Q_OBJECT

 public:
  explicit TFormMonthlyTrend(Document& doc);

  QComboBox* ComboBoxOf = nullptr;  // 売上 / 仕入
  QComboBox* ComboBoxBy = nullptr;  // 得意先別 (仕入先別) / 商品別 / 合計
  QSpinBox* EditYear = nullptr;
  QComboBox* ComboBoxStartMonth = nullptr;
  QPushButton* ButtonUpdate = nullptr;
  TFindBar* FindBar = nullptr;
  QTableWidget* ListViewTrend = nullptr;
  QTableWidget* ListViewTotal = nullptr;
  TChartView* ChartTrend = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;

  const MonthlyTrend& Trend() const { return trend_; }

 public slots:
  void FormShow();
  void ButtonUpdateClick();
  void ButtonPrintClick();
  void SortBy(int column);
  void SelectionChange();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  TrendQuery Query() const;
  void ShowRows();
  // The trend's rows selected in the table, top first, at most ten.
  std::vector<size_t> Selected() const;

  MonthlyTrend trend_;
  ShownTrend shown_;
  std::vector<size_t> order_;  // the trend's row shown on each row of the table
  int sortColumn_ = -1;
  bool descending_ = false;
};
