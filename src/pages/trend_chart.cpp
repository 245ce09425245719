#include "trend_chart.h"

#include <algorithm>
#include <cmath>

#include "amount_text.h"
#include "page_canvas.h"

namespace {

constexpr size_t kMaxSeries = 10;
constexpr std::array<QRgb, kMaxSeries> kColours = {0xFF1F77B4, 0xFFD62728, 0xFF2CA02C, 0xFFFF7F0E,
                                                   0xFF9467BD, 0xFF8C564B, 0xFFE377C2, 0xFF17BECF,
                                                   0xFFBCBD22, 0xFF7F7F7F};
constexpr QRgb kPreviousYear = 0xFFB0B0B0;
constexpr QRgb kGrid = 0xFFD8D8D8;

double Value(Money v) {
  return static_cast<double>(v.raw) / Money::kScale;
}

size_t Drawn(const TrendChart& chart) {
  return std::min(chart.series.size(), chart.bars ? size_t{2} : kMaxSeries);
}

// The plot inside the area: room for the amounts at the left, the months below and the
// legend at the right, in proportion to the area.
struct Plot {
  QRect rect;
  double low = 0;
  double high = 1;
  double step = 1;
  int Y(double v) const {
    return rect.bottom() - static_cast<int>(std::lround((v - low) / (high - low) * rect.height()));
  }
  int X(int month) const { return rect.left() + (2 * month + 1) * rect.width() / 24; }
};

// A step of 1, 2 or 5 times a power of ten giving at most six lines.
double NiceStep(double span) {
  const double raw = span / 5;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  for (double f : {1.0, 2.0, 5.0, 10.0}) {
    if (f * power >= raw) return f * power;
  }
  return 10 * power;
}

Plot PlotOf(const QRect& area, const TrendChart& chart) {
  Plot p;
  const int left = area.width() * 14 / 100;
  const int legend = area.width() * 22 / 100;
  const int below = area.height() * 10 / 100;
  p.rect = QRect(area.left() + left, area.top() + area.height() / 20, area.width() - left - legend,
                 area.height() - below - area.height() / 20);
  double low = 0;
  double high = 0;
  for (size_t s = 0; s < Drawn(chart); ++s) {
    for (Money v : chart.series[s].values) {
      low = std::min(low, Value(v));
      high = std::max(high, Value(v));
    }
  }
  if (high - low < 1) high = low + 1;
  p.step = NiceStep(high - low);
  p.low = std::floor(low / p.step) * p.step;
  p.high = std::ceil(high / p.step) * p.step;
  return p;
}

int TextCell(const QRect& area) {
  return std::max(1, std::min(area.height() / 24, area.width() / 60));
}

}  // namespace

void DrawTrendChart(PageCanvas& c, const QRect& area, const TrendChart& chart) {
  const Plot p = PlotOf(area, chart);
  const int cell = TextCell(area);
  const int thin = std::max(1, cell / 12);
  // The amounts at their grid lines.
  for (double v = p.low; v <= p.high + p.step / 2; v += p.step) {
    const int y = p.Y(v);
    c.Segment({p.rect.left(), y}, {p.rect.right(), y}, thin, v == 0 ? 0xFF000000 : kGrid);
    c.TextPx(
        Face::Gothic, cell, TextBox{Align::Right, p.rect.left() - cell / 2, y - cell / 2},
        FormattedAmount(Money::FromRaw(static_cast<int64_t>(std::llround(v * Money::kScale)))));
  }
  c.Segment({p.rect.left(), p.rect.top()}, {p.rect.left(), p.rect.bottom()}, thin, 0xFF000000);
  for (int m = 0; m < 12 && m < chart.months.size(); ++m) {
    c.TextPx(Face::Gothic, cell, TextBox{Align::Centre, p.X(m), p.rect.bottom() + cell / 2},
             chart.months[m]);
  }
  const size_t drawn = Drawn(chart);
  const int legendX = p.rect.right() + cell * 2;
  for (size_t s = 0; s < drawn; ++s) {
    const QRgb colour = chart.bars && s == 1 ? kPreviousYear : kColours[s];
    const ChartSeries& series = chart.series[s];
    if (chart.bars) {
      const int width = p.rect.width() / 24 * 2 / 5;
      for (int m = 0; m < 12; ++m) {
        const int x = p.X(m) + (s == 0 ? 0 : -width);
        const int y0 = p.Y(0);
        const int y1 = p.Y(Value(series.values[static_cast<size_t>(m)]));
        c.Fill(QRect(QPoint(x, std::min(y0, y1)), QPoint(x + width - 1, std::max(y0, y1))), colour);
      }
    } else {
      for (int m = 1; m < 12; ++m) {
        c.Segment({p.X(m - 1), p.Y(Value(series.values[static_cast<size_t>(m - 1)]))},
                  {p.X(m), p.Y(Value(series.values[static_cast<size_t>(m)]))}, thin * 3, colour);
      }
    }
    const int top = p.rect.top() + static_cast<int>(s) * cell * 3 / 2;
    c.Fill(QRect(legendX, top + cell / 3, cell, cell / 3), colour);
    c.TextPx(Face::Gothic, cell,
             TextBox{Align::Left, legendX + cell * 3 / 2, top, area.right() - legendX - cell * 2,
                     Fit::Cut},
             series.name);
  }
}

Page TrendChartPage(const DeviceMetrics& metrics, const TrendChart& chart) {
  PageCanvas c(metrics);
  DrawTrendChart(c, QRect(0, 0, metrics.width, metrics.height), chart);
  return c.Take();
}

ChartHit TrendChartHit(const DeviceMetrics& metrics, const TrendChart& chart, QPoint point) {
  const Plot p = PlotOf(QRect(0, 0, metrics.width, metrics.height), chart);
  if (!p.rect.adjusted(-p.rect.width() / 24, 0, p.rect.width() / 24, 0).contains(point)) return {};
  ChartHit hit;
  hit.month = std::clamp((point.x() - p.rect.left()) * 12 / std::max(1, p.rect.width()), 0, 11);
  int best = -1;
  for (size_t s = 0; s < Drawn(chart); ++s) {
    const int d =
        std::abs(p.Y(Value(chart.series[s].values[static_cast<size_t>(hit.month)])) - point.y());
    if (best < 0 || d < best) {
      best = d;
      hit.series = static_cast<int>(s);
    }
  }
  if (hit.series < 0) return {};
  return hit;
}
