#include "page_canvas.h"

#include <cmath>

#include "sjis.h"
#include "sjis_codec.h"

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kLeastSqueeze = 0.8;

// Halves to even, as the device conversion has always rounded.
int RoundPx(double v) {
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

PageCanvas::PageCanvas(const DeviceMetrics& metrics)
    : m_(metrics), kx_(metrics.dpiX / kMmPerInch), ky_(metrics.dpiY / kMmPerInch) {
  page_.size = QSize(metrics.width, metrics.height);
  page_.ops.push_back(RectOp{QRect(0, 0, metrics.width, metrics.height), 0, true});
}

int PageCanvas::X(double mm) const {
  return RoundPx(mm * kx_) - m_.offsetX;
}

int PageCanvas::Y(double mm) const {
  return RoundPx(mm * ky_) - m_.offsetY;
}

int PageCanvas::Y(std::initializer_list<double> terms) const {
  int y = -m_.offsetY;
  for (double t : terms) y += RoundPx(t * ky_);
  return y;
}

int PageCanvas::LenX(double mm) const {
  return RoundPx(mm * kx_);
}

int PageCanvas::LenY(double mm) const {
  return RoundPx(mm * ky_);
}

int PageCanvas::RightEdge(double mm) const {
  const int rightMargin = m_.physicalWidth - m_.width - m_.offsetX;
  return RoundPx(mm * kx_) - rightMargin;
}

void PageCanvas::Text(Face face, double heightMm, const TextBox& box, const QString& text) {
  TextPx(face, Size(heightMm), box, text);
}

void PageCanvas::TextPx(Face face, int cell, const TextBox& box, const QString& text) {
  if (text.isEmpty()) return;  // nothing to see, nothing to review in a golden file
  QString shown = text;
  double width = TextWidth(face, cell, shown);
  double scale = 1.0;
  if (box.maxWidth > 0 && width > box.maxWidth) {
    if (box.fit == Fit::Cut) {
      shown = CutToWidth(face, cell, shown, box.maxWidth);
      width = TextWidth(face, cell, shown);
    } else if (box.fit == Fit::Squeeze) {
      scale = std::max(kLeastSqueeze, box.maxWidth / width);
      width *= scale;
    } else if (box.fit == Fit::Shrink) {
      scale = box.maxWidth / width;
      width *= scale;
    }
  }
  int x = box.anchor;
  if (box.align == Align::Right) x = box.anchor - RoundPx(width);
  if (box.align == Align::Centre) x = box.anchor - RoundPx(width / 2);
  page_.ops.push_back(TextOp{face, cell, x, box.top, shown, scale});
}

void PageCanvas::LineAcross(double xMm, double yMm, double wMm, int pen) {
  const int x = X(xMm);
  const int y = Y(yMm);
  page_.ops.push_back(LineOp{x, y, x + LenX(wMm), y, pen});
}

void PageCanvas::LineAcross(double xMm, std::initializer_list<double> yTerms, double wMm, int pen) {
  const int x = X(xMm);
  const int y = Y(yTerms);
  page_.ops.push_back(LineOp{x, y, x + LenX(wMm), y, pen});
}

void PageCanvas::LineDown(double xMm, double yMm, double hMm, int pen) {
  const int x = X(xMm);
  const int y = Y(yMm);
  page_.ops.push_back(LineOp{x, y, x, y + LenY(hMm), pen});
}

void PageCanvas::Rect(double l, double t, double r, double b, int pen) {
  page_.ops.push_back(RectOp{QRect(QPoint(X(l), Y(t)), QPoint(X(r) - 1, Y(b) - 1)), pen, false});
}

void PageCanvas::Segment(QPoint from, QPoint to, int pen, QRgb colour) {
  page_.ops.push_back(LineOp{from.x(), from.y(), to.x(), to.y(), pen, colour});
}

void PageCanvas::LineAcrossPage(double yMm, int pen) {
  const int y = Y(yMm);
  page_.ops.push_back(LineOp{0, y, m_.width, y, pen});
}

void PageCanvas::Fill(const QRect& area, QRgb colour) {
  page_.ops.push_back(RectOp{area, 0, true, colour});
}

Page PageCanvas::Take() {
  return std::move(page_);
}

QString CutToBytes(const QString& text, int n) {
  const std::optional<std::string> bytes = ToSjis(text);
  if (!bytes) return text;
  return FromSjis(CutBytes(*bytes, n));
}

QString CutToWidth(Face face, int cellPx, const QString& text, double maxWidth) {
  QString shown = text;
  while (!shown.isEmpty() && TextWidth(face, cellPx, shown) > maxWidth) {
    shown.chop(shown.size() >= 2 && shown.back().isLowSurrogate() ? 2 : 1);
  }
  return shown;
}
