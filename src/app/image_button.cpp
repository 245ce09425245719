#include "image_button.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into this static library; its resources need a nudge, from
// outside any namespace.
static void LoadIcons() {
  static const bool loaded = [] {
    Q_INIT_RESOURCE(icons);
    return true;
  }();
  (void)loaded;
}

namespace {

QPixmap Render(const QString& picture, int size) {
  LoadIcons();
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(QStringLiteral(":/icons/") + picture + QStringLiteral(".svg"));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  return pixmap;
}

}  // namespace

ImageButton::ImageButton(const QString& picture, const QString& caption, const Style& style,
                         QWidget* parent)
    : QAbstractButton(parent), picture_(Render(picture, style.pictureSize)), style_(style) {
  setText(caption);
  setFixedSize(style.size);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

int ImageButton::FaceIndex() const {
  if (isDown()) return 2;
  return hovered_ && style_.hoverFace ? 1 : 0;
}

void ImageButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

void ImageButton::keyPressEvent(QKeyEvent* event) {
  // Enter presses the focused button, as on Windows; Qt leaves that to Space alone here.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const int face = FaceIndex();
  const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
  const QColor fills[] = {QColor(0xf7, 0xf9, 0xfc), QColor(0xe3, 0xee, 0xfa),
                          QColor(0xc9, 0xd9, 0xec)};
  if (style_.framed || face > 0) {
    painter.setPen(style_.framed ? QColor(0x9a, 0xae, 0xc6) : Qt::NoPen);
    painter.setBrush(fills[face]);
    painter.drawRoundedRect(box, 6, 6);
  }
  // The pressed face sinks by one pixel.
  const int shift = face == 2 ? 1 : 0;
  const QFontMetrics metrics(font());
  const int textHeight = metrics.height();
  const int top = (height() - style_.pictureSize - textHeight - 2) / 2 + shift;
  painter.drawPixmap((width() - style_.pictureSize) / 2 + shift, top, picture_);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawText(QRect(shift, top + style_.pictureSize + 2, width(), textHeight),
                   Qt::AlignHCenter | Qt::AlignTop, text());
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(2, 2, -2, -2), 4, 4);
  }
}
