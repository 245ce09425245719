#include "tab_order.h"

#include <QGridLayout>
#include <QLayout>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

constexpr const char* kColumnsProperty = "tabOrderByColumns";

void CollectWidget(QWidget* widget, std::vector<QWidget*>& order);

// A grid's items in reading order: row by row, or column by column when marked.
std::vector<QLayoutItem*> GridItems(QGridLayout* grid) {
  struct Cell {
    int row;
    int column;
    QLayoutItem* item;
  };
  std::vector<Cell> cells;
  for (int i = 0; i < grid->count(); ++i) {
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
    cells.push_back({row, column, grid->itemAt(i)});
  }
  const bool byColumns = grid->property(kColumnsProperty).toBool();
  std::stable_sort(cells.begin(), cells.end(), [byColumns](const Cell& a, const Cell& b) {
    return byColumns ? std::tie(a.column, a.row) < std::tie(b.column, b.row)
                     : std::tie(a.row, a.column) < std::tie(b.row, b.column);
  });
  std::vector<QLayoutItem*> items;
  for (const Cell& c : cells) items.push_back(c.item);
  return items;
}

void CollectLayout(QLayout* layout, std::vector<QWidget*>& order);

void CollectItem(QLayoutItem* item, std::vector<QWidget*>& order) {
  if (QWidget* w = item->widget()) {
    CollectWidget(w, order);
  } else if (QLayout* inner = item->layout()) {
    CollectLayout(inner, order);
  }
}

// Box and form layouts keep their items in reading order already.
void CollectLayout(QLayout* layout, std::vector<QWidget*>& order) {
  if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
    for (QLayoutItem* item : GridItems(grid)) CollectItem(item, order);
    return;
  }
  for (int i = 0; i < layout->count(); ++i) CollectItem(layout->itemAt(i), order);
}

void CollectWidget(QWidget* widget, std::vector<QWidget*>& order) {
  if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
    // The tab bar stands for the tab widget, ahead of the pages it shows.
    order.push_back(tabs->tabBar());
    for (int i = 0; i < tabs->count(); ++i) CollectWidget(tabs->widget(i), order);
    return;
  }
  if (widget->focusPolicy() != Qt::NoFocus) order.push_back(widget);
  if (auto* scroll = qobject_cast<QScrollArea*>(widget); scroll && scroll->widget()) {
    CollectWidget(scroll->widget(), order);
  } else if (widget->focusProxy() == nullptr && widget->layout() != nullptr) {
    CollectLayout(widget->layout(), order);
  }
}

}  // namespace

void SetTabOrderFromLayout(QWidget* window) {
  if (window->layout() == nullptr) return;
  std::vector<QWidget*> order;
  CollectLayout(window->layout(), order);
  for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MarkColumns(QLayout* grid) {
  grid->setProperty(kColumnsProperty, true);
}
