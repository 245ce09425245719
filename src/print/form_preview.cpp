#include "form_preview.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "fonts.h"
#include "form_controls.h"

namespace {

// A4: 210 x 297 mm.
constexpr double kSheetRatio = 70.0 / 99.0;
// The first zoom: the sheet as wide as the view; the others 100 % to 200 % of its height.
constexpr int kFitWidth = 0;

int RoundInt(double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

TFormPreview::TFormPreview(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormPreview"));
  setWindowTitle(QStringLiteral("プレビュー"));
  BuildControls();
  BuildKeys();
  resize(572, 616);
  setMinimumSize(500, 500);
}

// Paging and zoom from the keyboard, whichever control has the focus: the controls would
// take these keys for themselves.
void TFormPreview::BuildKeys() {
  for (QWidget* control :
       {static_cast<QWidget*>(ComboBoxBai), static_cast<QWidget*>(ButtonPrevious),
        static_cast<QWidget*>(ButtonNext), static_cast<QWidget*>(ScrollBox1)}) {
    control->installEventFilter(this);
  }
}

bool TFormPreview::HandleKey(const QKeyEvent* event) {
  const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
  switch (event->key()) {
    case Qt::Key_PageDown:
      PageDown();
      return true;
    case Qt::Key_PageUp:
      PageUp();
      return true;
    case Qt::Key_Home:
      FirstPage();
      return true;
    case Qt::Key_End:
      LastPage();
      return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:  // "+" unshifted on many keyboards
      if (!ctrl) return false;
      ZoomIn();
      return true;
    case Qt::Key_Minus:
      if (!ctrl) return false;
      ZoomOut();
      return true;
    default:
      return false;
  }
}

void TFormPreview::keyPressEvent(QKeyEvent* event) {
  if (!HandleKey(event)) TForm::keyPressEvent(event);
}

void TFormPreview::BuildControls() {
  PanelTop = new QWidget(this);
  PanelTop->setFixedHeight(50);
  LabelBai = new QLabel(QStringLiteral("表示倍率"), PanelTop);
  ComboBoxBai = PickList(PanelTop, QStringLiteral("ComboBoxBai"));
  ComboBoxBai->addItem(QStringLiteral("幅に合わせる"));
  for (int z = 100; z <= 200; z += 10) ComboBoxBai->addItem(QStringLiteral("%1%").arg(z));
  ButtonPrevious =
      FormButton(PanelTop, QStringLiteral("前ページ"), QStringLiteral("ButtonPrevious"));
  ButtonNext = FormButton(PanelTop, QStringLiteral("次ページ"), QStringLiteral("ButtonNext"));
  LabelPage = new QLabel(QStringLiteral("0 / 0"), PanelTop);
  QFont bold(PGothicFace());
  bold.setPixelSize(16);
  bold.setBold(true);
  LabelPage->setFont(bold);
  LabelPage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* top = new QHBoxLayout(PanelTop);
  top->addWidget(LabelBai);
  top->addWidget(ComboBoxBai);
  top->addWidget(ButtonPrevious);
  top->addWidget(ButtonNext);
  top->addStretch();
  top->addWidget(LabelPage);

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
  ScrollBox1->setStyleSheet(QStringLiteral("QScrollArea { background: black; }"));
  ScrollBox1->viewport()->setStyleSheet(QStringLiteral("background: black;"));
  ScrollBox1->setWidgetResizable(false);
  sheet_ = new QWidget;
  Image1 = new QLabel(sheet_);
  Image1->setObjectName(QStringLiteral("Image1"));
  ScrollBox1->setWidget(sheet_);
  ScrollBox1->viewport()->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(PanelTop);
  layout->addWidget(ScrollBox1, 1);

  connect(ButtonPrevious, &QPushButton::clicked, this, &TFormPreview::ButtonPreviousClick);
  connect(ButtonNext, &QPushButton::clicked, this, &TFormPreview::ButtonNextClick);
  connect(ComboBoxBai, &QComboBox::currentIndexChanged, this, &TFormPreview::ComboBoxBaiChange);
}

void TFormPreview::SetPages(std::vector<Page> pages, const DeviceMetrics& metrics) {
  pages_ = std::move(pages);
  metrics_ = metrics;
  current_ = 0;
}

void TFormPreview::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

void TFormPreview::FormShow() {
  OpenLarge();
  current_ = 0;
  UpdateButtons();
  Redraw();
}

// Most of the screen, so the page fitted to the width can be read.
void TFormPreview::OpenLarge() {
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown == nullptr) return;
  const QRect area = shown->availableGeometry();
  const QSize size(std::max(minimumWidth(), area.width() * 9 / 10),
                   std::max(minimumHeight(), area.height() * 9 / 10));
  resize(size);
  move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void TFormPreview::ShowPage(int page, bool atEnd) {
  current_ = std::clamp(page, 0, std::max(0, PageCount() - 1));
  UpdateButtons();
  Redraw();
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  bar->setValue(atEnd ? bar->maximum() : bar->minimum());
}

// A screenful down; at the foot of a page, the next page from its top.
void TFormPreview::PageDown() {
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  if (bar->value() < bar->maximum()) {
    bar->setValue(bar->value() + bar->pageStep());
  } else if (current_ + 1 < PageCount()) {
    ShowPage(current_ + 1, false);
  }
}

void TFormPreview::PageUp() {
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  if (bar->value() > bar->minimum()) {
    bar->setValue(bar->value() - bar->pageStep());
  } else if (current_ > 0) {
    ShowPage(current_ - 1, true);
  }
}

void TFormPreview::FirstPage() {
  ShowPage(0, false);
}

void TFormPreview::LastPage() {
  ShowPage(PageCount() - 1, false);
}

void TFormPreview::ZoomIn() {
  ComboBoxBai->setCurrentIndex(std::min(ComboBoxBai->currentIndex() + 1, ComboBoxBai->count() - 1));
}

void TFormPreview::ZoomOut() {
  ComboBoxBai->setCurrentIndex(std::max(ComboBoxBai->currentIndex() - 1, 0));
}

void TFormPreview::UpdateButtons() {
  ButtonPrevious->setEnabled(current_ > 0);
  ButtonNext->setEnabled(current_ + 1 < PageCount());
}

void TFormPreview::ButtonPreviousClick() {
  if (current_ > 0) ShowPage(current_ - 1, false);
}

void TFormPreview::ButtonNextClick() {
  if (current_ + 1 < PageCount()) ShowPage(current_ + 1, false);
}

void TFormPreview::ComboBoxBaiChange() {
  Redraw();
}

void TFormPreview::Redraw() {
  const QScopedValueRollback<bool> guard(redrawing_, true);
  const QSize client = ScrollBox1->viewport()->size();
  int width = 0;
  int height = 0;
  if (ComboBoxBai->currentIndex() == kFitWidth) {
    // The sheet is taller than the view, so its width leaves room for the scroll bar.
    const int bar = ScrollBox1->verticalScrollBar()->isVisible()
                        ? 0
                        : ScrollBox1->verticalScrollBar()->sizeHint().width();
    width = std::max(1, client.width() - bar);
    height = std::max(1, RoundInt(width / kSheetRatio));
  } else {
    const double zoom = (ComboBoxBai->currentIndex() - 1) / 10.0 + 1.0;
    height = std::max(1, RoundInt(client.height() * zoom));
    width = std::max(1, RoundInt(height * kSheetRatio));
  }
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  if (current_ < PageCount() && metrics_.physicalHeight > 0) {
    // One factor for both axes, the printable offsets scaled with the page: the sheet as
    // it will come out of the printer.
    const double scale = static_cast<double>(height) / metrics_.physicalHeight;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    PlayPageScaled(pages_[static_cast<size_t>(current_)], painter,
                   QPointF(metrics_.offsetX * scale, metrics_.offsetY * scale), scale);
  }
  Image1->setPixmap(QPixmap::fromImage(image));
  Image1->resize(width, height);
  const int left =
      width < client.width() ? RoundInt(client.width() / 2.0) - RoundInt(width / 2.0) : 0;
  Image1->move(left, 0);
  sheet_->resize(std::max(width, client.width()), height);
  LabelPage->setText(
      QStringLiteral("%1 / %2").arg(PageCount() > 0 ? current_ + 1 : 0).arg(PageCount()));
}

bool TFormPreview::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched != ScrollBox1->viewport() &&
      HandleKey(static_cast<QKeyEvent*>(event))) {
    return true;
  }
  // A resize of the view redraws once; the resize that the redraw itself causes (scroll
  // bars coming or going) does not redraw again.
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize && !redrawing_) {
    Redraw();
  }
  return TForm::eventFilter(watched, event);
}
