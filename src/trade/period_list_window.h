#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

#include "computed_list_csv.h"
#include "form.h"
#include "list_view.h"
#include "period_list_reports.h"
#include "period_list_rows.h"
#include "slip_values.h"

class QDateEdit;
class QHBoxLayout;
class QPushButton;
class QTableWidget;
class TSsEdit;

// What one window of the period lists differs in: data, not code.
struct PeriodListDesign {
  QString caption;
  QSize clientSize;
  QString listName;
  std::vector<ListColumn> columns;
  bool hiddenLastColumn = false;
  std::vector<std::pair<QString, QString>> totals;  // member name, label
  int report = 0;                                   // the printer-choice window's report kind
};

// The sales analyses and the return list: a period, "更新", a list computed only on
// request, total fields, "印刷" and "戻る". The list is marked out of date when shown and
// on every change of a filter, so printing always prints what the filters give.
class TFormPeriodList : public TForm {
  Q_OBJECT

 public:
  TFormPeriodList(Document& doc, const PeriodListDesign& design);

  QDateEdit* DateTimePickerFrom = nullptr;
  QDateEdit* DateTimePickerTo = nullptr;
  QPushButton* ButtonRefresh = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;

  bool IsDirty() const { return dirty_; }
  // What the report of this window prints: the rows and totals as shown now.
  ListReportSnapshot Snapshot() const;

 public slots:
  void FormShow();
  void ButtonRefreshClick();
  void ButtonPrintClick();
  virtual void DateTimePickerFromChange();
  virtual void DateTimePickerToChange();
  void FilterChange();

 protected:
  void showEvent(QShowEvent* event) override;
  // The filter controls of the window, right of "更新".
  void AddFilters(std::initializer_list<QWidget*> filters);
  QTableWidget* ListView() const { return list_; }
  TSsEdit* TotalField(size_t index) const { return totals_[index]; }
  SlipPeriod Period() const;
  // Resets the window's own filters on showing.
  virtual void ResetFilters() {}
  virtual PeriodListView Compute(SlipPeriod period) = 0;
  // The list's CSV file for the filters as they stand, as tenpo-cli writes it.
  virtual std::string Csv(SlipPeriod period) const = 0;

 private:
  void Build();
  void Refresh();
  void Show(const PeriodListView& view);

  PeriodListDesign design_;
  QHBoxLayout* top_ = nullptr;
  QTableWidget* list_ = nullptr;
  std::vector<TSsEdit*> totals_;
  bool dirty_ = true;
};
