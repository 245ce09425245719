#include "device_metrics.h"

#include <QPageLayout>
#include <QRect>

DeviceMetrics A4SheetMetrics(int dpi, bool landscape) {
  const QPageLayout layout(QPageSize(QPageSize::A4),
                           landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
  return MetricsOf(layout, dpi);
}

DeviceMetrics MetricsOf(const QPageLayout& layout, int resolution) {
  const QRect full = layout.fullRectPixels(resolution);
  const QRect paint = layout.paintRectPixels(resolution);
  DeviceMetrics m;
  m.dpiX = resolution;
  m.dpiY = resolution;
  m.offsetX = paint.left();
  m.offsetY = paint.top();
  m.width = paint.width();
  m.height = paint.height();
  m.physicalWidth = full.width();
  m.physicalHeight = full.height();
  return m;
}
