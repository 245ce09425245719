#include "chart_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "amount_text.h"

TChartView::TChartView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ChartView"));
  setMouseTracking(true);
  setMinimumHeight(180);
}

void TChartView::SetChart(TrendChart chart) {
  chart_ = std::move(chart);
  update();
}

DeviceMetrics TChartView::Metrics() const {
  DeviceMetrics m;
  m.dpiX = logicalDpiX();
  m.dpiY = logicalDpiY();
  m.width = width();
  m.height = height();
  m.physicalWidth = width();
  m.physicalHeight = height();
  return m;
}

void TChartView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setRenderHint(QPainter::Antialiasing);
  PlayPage(TrendChartPage(Metrics(), chart_), painter);
}

QString TChartView::TipAt(QPoint point) const {
  const ChartHit hit = TrendChartHit(Metrics(), chart_, point);
  if (hit.month < 0) return {};
  const ChartSeries& s = chart_.series[static_cast<size_t>(hit.series)];
  return QStringLiteral("%1 %2 %3")
      .arg(chart_.months.value(hit.month), s.name,
           FormattedAmount(s.values[static_cast<size_t>(hit.month)]));
}

void TChartView::mouseMoveEvent(QMouseEvent* event) {
  const QString tip = TipAt(event->position().toPoint());
  if (tip.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
  }
}
