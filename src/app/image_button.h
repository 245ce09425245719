#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A large button whose face is a picture above its caption, with a normal, a pressed
// and (optionally) a hover face; framed or flat.
class ImageButton : public QAbstractButton {
  Q_OBJECT

 public:
  struct Style {
    QSize size;
    int pictureSize = 32;
    bool framed = true;
    bool hoverFace = true;
  };

  ImageButton(const QString& picture, const QString& caption, const Style& style,
              QWidget* parent = nullptr);

  QSize sizeHint() const override { return style_.size; }
  // Which face shows now: 0 normal, 1 hover, 2 pressed.
  int FaceIndex() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap picture_;
  Style style_;
  bool hovered_ = false;
};
