#include "page.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

void Play(QPainter& p, const TextOp& t) {
  const QFont font = PageFont(t.face, t.cell);
  p.setFont(font);
  p.setPen(Qt::black);
  p.save();
  p.translate(t.x, t.y);
  p.scale(t.xScale, 1.0);
  p.drawText(QPointF(0, QFontMetricsF(font).ascent()), t.text);
  p.restore();
}

void Play(QPainter& p, const LineOp& l) {
  p.setPen(QPen(QColor::fromRgb(l.colour), l.pen, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(l.x1, l.y1, l.x2, l.y2);
}

void Play(QPainter& p, const RectOp& r) {
  if (r.filled) {
    p.fillRect(r.rect, QColor::fromRgb(r.colour));
    return;
  }
  p.setPen(QPen(Qt::black, r.pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  // Corners at the given coordinates, as the layouts give them (right and bottom included).
  p.drawRect(QRectF(r.rect.left(), r.rect.top(), r.rect.width() - 1, r.rect.height() - 1));
}

QString FaceName(Face face) {
  return face == Face::Gothic ? QStringLiteral("G") : QStringLiteral("PG");
}

}  // namespace

void PlayPage(const Page& page, QPainter& painter) {
  PlayPageScaled(page, painter, QPointF(0, 0), 1.0);
}

void PlayPageScaled(const Page& page, QPainter& painter, QPointF origin, double scale) {
  painter.save();
  painter.translate(origin);
  painter.scale(scale, scale);
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const PageOp& op : page.ops) {
    std::visit([&painter](const auto& o) { Play(painter, o); }, op);
  }
  painter.restore();
}

QString DescribeOp(const PageOp& op) {
  if (const auto* t = std::get_if<TextOp>(&op)) {
    QString line =
        QStringLiteral("text %1 %2 %3,%4").arg(FaceName(t->face)).arg(t->cell).arg(t->x).arg(t->y);
    if (t->xScale != 1.0) line += QStringLiteral(" x%1").arg(t->xScale, 0, 'f', 3);
    return line + QStringLiteral(" \"") + t->text + QLatin1Char('"');
  }
  if (const auto* l = std::get_if<LineOp>(&op)) {
    const QString line = QStringLiteral("line %1 %2,%3 %4,%5")
                             .arg(l->pen)
                             .arg(l->x1)
                             .arg(l->y1)
                             .arg(l->x2)
                             .arg(l->y2);
    // Black lines describe as they always did.
    return l->colour == 0xFF000000 ? line : line + QStringLiteral(" #%1").arg(l->colour, 8, 16);
  }
  const auto& r = std::get<RectOp>(op);
  const QString line = QStringLiteral("%1 %2 %3,%4 %5,%6")
                           .arg(r.filled ? QStringLiteral("fill") : QStringLiteral("rect"))
                           .arg(r.pen)
                           .arg(r.rect.left())
                           .arg(r.rect.top())
                           .arg(r.rect.right() + 1)
                           .arg(r.rect.bottom() + 1);
  // White, the paper itself, goes without its colour.
  if (!r.filled || qRgb(255, 255, 255) == (r.colour | 0xFF000000)) return line;
  return line + QLatin1Char(' ') + QColor::fromRgb(r.colour).name();
}

QString DescribePage(const Page& page) {
  QString out = QStringLiteral("page %1x%2\n").arg(page.size.width()).arg(page.size.height());
  for (const PageOp& op : page.ops) out += DescribeOp(op) + QLatin1Char('\n');
  return out;
}
