#pragma once

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <variant>
#include <vector>

#include "page_fonts.h"

class QPainter;
class QRectF;

// Text with the top-left corner of its cell at (x, y). A number squeezed into its column
// is drawn narrower by xScale.
struct TextOp {
  Face face = Face::Gothic;
  int cell = 0;
  int x = 0;
  int y = 0;
  QString text;
  double xScale = 1.0;
};

struct LineOp {
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
  int pen = 0;
  QRgb colour = 0xFF000000;  // black, but for a chart's lines
};

// An outline in black, or (filled) an area painted in `colour`.
struct RectOp {
  QRect rect;
  int pen = 0;
  bool filled = false;
  QRgb colour = 0xFFFFFFFF;
};

using PageOp = std::variant<TextOp, LineOp, RectOp>;

// One recorded page in device pixels of the printable area it was laid out for.
struct Page {
  QSize size;
  std::vector<PageOp> ops;
};

// Plays the page 1:1 with its top-left at the painter's origin.
void PlayPage(const Page& page, QPainter& painter);
// Plays the page scaled by `scale` in both directions with its top-left at `origin`.
void PlayPageScaled(const Page& page, QPainter& painter, QPointF origin, double scale);

// One line per operation, for golden files and readable test failures.
QString DescribePage(const Page& page);
QString DescribeOp(const PageOp& op);
