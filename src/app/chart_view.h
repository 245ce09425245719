#pragma once

#include <QWidget>

#include "trend_chart.h"

// Shows a chart drawn by the page layer, as the preview plays a page, so the screen and
// the paper show one picture; the month and value under the mouse come up as a tip.
class TChartView : public QWidget {
  Q_OBJECT

 public:
  explicit TChartView(QWidget* parent = nullptr);

  void SetChart(TrendChart chart);
  const TrendChart& Chart() const { return chart_; }
  // The tip for a point of the view: "4月 さくら商事 12,300", empty off the plot.
  QString TipAt(QPoint point) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  DeviceMetrics Metrics() const;

  TrendChart chart_;
};
