#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

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

// On A4 landscape: the chart on the first page above the table; the table goes on over
// as many pages as it needs, its header on each, the total row at its end.
Report TrendReport(const TrendSnapshot& snapshot);
