#pragma once

#include <QString>

#include <initializer_list>

#include "device_metrics.h"
#include "page.h"

enum class Align { Left, Right, Centre };

// How a text that is wider than its column is brought inside it: names and free text lose
// characters from the end, numbers and dates are squeezed (down to 80 %), headings are
// drawn as they are. Shrink squeezes as far as it takes, for sums that may be neither cut
// nor run into their neighbours.
enum class Fit { None, Cut, Squeeze, Shrink };

struct TextBox {
  Align align = Align::Left;
  int anchor = 0;  // left edge, right edge or centre, in device pixels
  int top = 0;
  int maxWidth = 0;  // 0: no limit
  Fit fit = Fit::None;
};

// Records one page laid out in millimetres on the A4 sheet: every figure becomes device
// pixels here, once, so the documents only say what goes where.
class PageCanvas {
 public:
  explicit PageCanvas(const DeviceMetrics& metrics);

  // A position on the sheet: round(mm x dots per mm) less the printable offset. Several
  // terms are each converted and rounded by themselves, then added.
  int X(double mm) const;
  int Y(double mm) const;
  int Y(std::initializer_list<double> terms) const;
  // A run from a point: no offset.
  int LenX(double mm) const;
  int LenY(double mm) const;
  // The right edge of texts set against the sheet's right side: the right margin, not the
  // left offset, is taken off.
  int RightEdge(double mm) const;
  // Text heights and pen widths are converted horizontally.
  int Size(double mm) const { return LenX(mm); }

  int ThinPen() const { return Size(0.3); }
  int HeavyPen() const { return Size(0.6); }

  // The text as placed: cut or squeezed into box.maxWidth by box.fit.
  void Text(Face face, double heightMm, const TextBox& box, const QString& text);
  // The same with the cell's height in device pixels (a chart sized to its area).
  void TextPx(Face face, int cell, const TextBox& box, const QString& text);
  // Lines across (to the right) or down, and rectangles, in millimetres.
  void LineAcross(double xMm, double yMm, double wMm, int pen);
  void LineAcross(double xMm, std::initializer_list<double> yTerms, double wMm, int pen);
  void LineDown(double xMm, double yMm, double hMm, int pen);
  // From one point to another in device pixels of the printable area, in a colour.
  void Segment(QPoint from, QPoint to, int pen, QRgb colour);
  void Rect(double l, double t, double r, double b, int pen);
  // A line over the whole width of the printable area, from its left edge.
  void LineAcrossPage(double yMm, int pen);
  int PageWidth() const { return m_.width; }
  // A filled area in device pixels: shading and the solid bars under texts.
  void Fill(const QRect& area, QRgb colour);

  Page Take();

 private:
  DeviceMetrics m_;
  double kx_;
  double ky_;
  Page page_;
};

// The text cut to at most n Shift-JIS bytes without splitting a character.
QString CutToBytes(const QString& text, int n);
// The text without its last characters, as few as needed for it to be at most maxWidth.
QString CutToWidth(Face face, int cellPx, const QString& text, double maxWidth);
