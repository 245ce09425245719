#include "column_list_box.h"

#include <QEvent>
#include <QStyle>
#include <QStyleOptionViewItem>

#include <algorithm>

TColumnListBox::TColumnListBox(QWidget* parent, int columns)
    : QListWidget(parent), columns_(std::max(1, columns)) {
  setFlow(QListView::TopToBottom);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setUniformItemSizes(true);
  FitColumns();
}

void TColumnListBox::rowsInserted(const QModelIndex& parent, int start, int end) {
  QListWidget::rowsInserted(parent, start, end);
  FitColumns();
}

void TColumnListBox::dataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                 const QList<int>& roles) {
  QListWidget::dataChanged(topLeft, bottomRight, roles);
  FitColumns();
}

// Emptied: the columns go back to their share of the width.
void TColumnListBox::reset() {
  QListWidget::reset();
  FitColumns();
}

void TColumnListBox::resizeEvent(QResizeEvent* event) {
  FitColumns();
  QListWidget::resizeEvent(event);
}

void TColumnListBox::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitColumns();
}

// What the items' own delegate asks for one line of the text.
QSize TColumnListBox::CellFor(const QString& text) {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.text = text;
  return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this);
}

void TColumnListBox::FitColumns() {
  const QFontMetrics metrics = fontMetrics();
  QString widest = QStringLiteral("あ");
  int widestAdvance = metrics.horizontalAdvance(widest);
  const QAbstractItemModel* items = model();
  for (int row = 0; row < items->rowCount(); ++row) {
    const QString text = items->index(row, 0).data(Qt::DisplayRole).toString();
    const int advance = metrics.horizontalAdvance(text);
    if (advance > widestAdvance) {
      widest = text;
      widestAdvance = advance;
    }
  }
  const QSize cell = CellFor(widest);
  const int width = std::max(viewport()->width() / columns_, cell.width());
  setGridSize(QSize(std::max(1, width), std::max(1, cell.height())));
}
