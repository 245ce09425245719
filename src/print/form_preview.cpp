#include "form_preview.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <cmath>

#include "fonts.h"
#include "form_controls.h"

namespace {

// A4: 210 x 297 mm.
constexpr double kSheetRatio = 70.0 / 99.0;

int RoundInt(double v) {
  return static_cast<int>(std::lround(v));
}

}  // namespace

TFormPreview::TFormPreview(Document& doc) : TForm(doc) {
  setObjectName(QStringLiteral("FormPreview"));
  setWindowTitle(QStringLiteral("プレビュー"));
  BuildControls();
  resize(572, 616);
  setMinimumSize(500, 500);
}

void TFormPreview::BuildControls() {
  PanelTop = new QWidget(this);
  PanelTop->setFixedHeight(50);
  LabelBai = new QLabel(QStringLiteral("表示倍率"), PanelTop);
  ComboBoxBai = PickList(PanelTop, QStringLiteral("ComboBoxBai"));
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
  current_ = 0;
  UpdateButtons();
  Redraw();
}

void TFormPreview::UpdateButtons() {
  ButtonPrevious->setEnabled(current_ > 0);
  ButtonNext->setEnabled(current_ + 1 < PageCount());
}

void TFormPreview::ButtonPreviousClick() {
  if (current_ <= 0) return;
  --current_;
  UpdateButtons();
  Redraw();
}

void TFormPreview::ButtonNextClick() {
  if (current_ + 1 >= PageCount()) return;
  ++current_;
  UpdateButtons();
  Redraw();
}

void TFormPreview::ComboBoxBaiChange() {
  Redraw();
}

void TFormPreview::Redraw() {
  const QScopedValueRollback<bool> guard(redrawing_, true);
  const double zoom = ComboBoxBai->currentIndex() / 10.0 + 1.0;
  const QSize client = ScrollBox1->viewport()->size();
  const int height = std::max(1, RoundInt(client.height() * zoom));
  const int width = std::max(1, RoundInt(height * kSheetRatio));
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
  // A resize of the view redraws once; the resize that the redraw itself causes (scroll
  // bars coming or going) does not redraw again.
  if (watched == ScrollBox1->viewport() && event->type() == QEvent::Resize && !redrawing_) {
    Redraw();
  }
  return TForm::eventFilter(watched, event);
}
