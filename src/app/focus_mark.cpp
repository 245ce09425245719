#include "focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace {

constexpr int kWidth = 2;

// Drawn over the control's parent just outside the control; mouse clicks go through it.
class FocusFrame : public QWidget {
 public:
  explicit FocusFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Highlight));
  }
  void resizeEvent(QResizeEvent*) override {
    setMask(QRegion(rect()) - QRegion(rect().adjusted(kWidth, kWidth, -kWidth, -kWidth)));
  }
};

class FocusMark : public QObject {
 public:
  explicit FocusMark(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { Follow(now); });
  }

  QWidget* Frame() const { return frame_ && frame_->isVisible() ? frame_.data() : nullptr; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == target_) {
      switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ParentChange:
        case QEvent::ZOrderChange:
          Place();
          break;
        default:
          break;
      }
    }
    return false;
  }

 private:
  void Follow(QWidget* now) {
    if (target_) target_->removeEventFilter(this);
    target_ = Markable(now) ? Control(now) : nullptr;
    if (target_) target_->installEventFilter(this);
    Place();
  }

  // Pop-ups (an open pick list or calendar) show their own current item.
  static bool Markable(const QWidget* w) {
    return w != nullptr && !w->isWindow() && w->parentWidget() != nullptr &&
           w->window()->windowType() != Qt::Popup;
  }

  // The focus of a date picker or spin box sits in its inner edit; the mark goes around
  // the whole control.
  static QWidget* Control(QWidget* focus) {
    QWidget* w = focus;
    while (w->parentWidget() != nullptr && !w->parentWidget()->isWindow() &&
           w->parentWidget()->focusProxy() == w) {
      w = w->parentWidget();
    }
    return w;
  }

  void Place() {
    if (!target_ || !target_->isVisible()) {
      if (frame_) frame_->hide();
      return;
    }
    QWidget* parent = target_->parentWidget();
    if (!frame_ || frame_->parentWidget() != parent) {
      delete frame_;
      frame_ = new FocusFrame(parent);
    }
    frame_->setGeometry(target_->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    frame_->raise();
    frame_->show();
  }

  QPointer<QWidget> target_;
  QPointer<FocusFrame> frame_;
};

FocusMark*& Instance() {
  static FocusMark* mark = nullptr;
  return mark;
}

}  // namespace

void InstallFocusMark() {
  if (Instance() == nullptr) Instance() = new FocusMark(qApp);
}

QWidget* FocusMarkFrame() {
  return Instance() != nullptr ? Instance()->Frame() : nullptr;
}
