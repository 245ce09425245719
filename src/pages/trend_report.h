#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "monthly_trend.h"
#include "report.h"
#include "trend_chart.h"

// What the 月別推移 window prints: its title line, the table as shown (name, twelve
// months, 合計, 前年, 前年比), the total row and the chart of the rows chosen.
struct TrendSnapshot {
  QString title;     // "月別推移表"
  QString subtitle;  // "売上 得意先別 2024年4月〜2025年3月"
  QStringList captions;
  std::vector<QStringList> rows;
  QStringList total;
  TrendChart chart;
  QDate printDate;
};

// The chart of the trend's rows `charted` (indexes into its rows, at most ten): lines, or
// for one row, or none (the total), this year's bars against the year before's.
TrendChart TrendChartOf(const MonthlyTrend& trend, const std::vector<size_t>& charted);
// The printout of the trend: its rows in `order`, the chart of `charted`.
TrendSnapshot TrendSnapshotOf(const MonthlyTrend& trend, const std::vector<size_t>& order,
                              const std::vector<size_t>& charted, const QDate& printDate);

// On A4 landscape: the chart on the first page above the table; the table goes on over
// as many pages as it needs, its header on each, the total row at its end.
Report TrendReport(const TrendSnapshot& snapshot);
