#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>
#include <array>
#include <vector>

#include "device_metrics.h"
#include "money.h"
#include "page.h"

class PageCanvas;

struct ChartSeries {
  QString name;
  std::array<Money, 12> values{};
};

// The 月別推移 chart: a line per series over the twelve months, or, with `bars`, this
// year's months (the first series) against the year before's (the second) as bars.
struct TrendChart {
  QStringList months;
  std::vector<ChartSeries> series;  // at most ten are drawn
  bool bars = false;
};

// Draws the chart into `area`, in device pixels of the canvas: the axis with its amounts,
// the months under it and the legend at the right.
void DrawTrendChart(PageCanvas& canvas, const QRect& area, const TrendChart& chart);
// The chart alone filling a page of `metrics`: what the window shows.
Page TrendChartPage(const DeviceMetrics& metrics, const TrendChart& chart);

// The month and series whose point (or bar) is nearest to `point` on that page, for the
// tip; -1 for both when the point is outside the plot.
struct ChartHit {
  int month = -1;
  int series = -1;
};
ChartHit TrendChartHit(const DeviceMetrics& metrics, const TrendChart& chart, QPoint point);
