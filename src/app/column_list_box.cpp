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

void TColumnListBox::resizeEvent(QResizeEvent* event) {
  FitColumns();
  QListWidget::resizeEvent(event);
}

void TColumnListBox::changeEvent(QEvent* event) {
  QListWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) FitColumns();
}

// The row height is what the items' own delegate asks for one line of text.
void TColumnListBox::FitColumns() {
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  option.features |= QStyleOptionViewItem::HasDisplay;
  option.text = QStringLiteral("あ");
  const int rowHeight =
      style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height();
  setGridSize(QSize(std::max(1, viewport()->width() / columns_), std::max(1, rowHeight)));
}
