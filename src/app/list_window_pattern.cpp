#include "list_window_pattern.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

#include <utility>

#include "dialogs.h"

ListWindowPattern::ListWindowPattern(QAbstractItemView* view, ListActions actions,
                                     ListMessages messages, FirstRow firstRow)
    : view_(view),
      actions_(std::move(actions)),
      messages_(std::move(messages)),
      firstRow_(firstRow) {}

void ListWindowPattern::Refill() {
  RefillAndSelect(-1);
}

void ListWindowPattern::Add() {
  if (!actions_.add()) return;
  Changed();
  actions_.refill();
  SelectViewRow(view_, actions_.storedRow ? actions_.storedRow() : RowCount() - 1);
}

void ListWindowPattern::Change() {
  const int row = Row();
  if (row < 0) {
    ShowMessage(messages_.selectToChange);
  } else if (IsFixed(row)) {
    ShowMessage(messages_.fixedChange);
  } else if (actions_.change(row)) {
    Changed();
    actions_.refill();
    SelectViewRow(view_, actions_.storedRow ? actions_.storedRow() : row);
  }
}

void ListWindowPattern::Delete() {
  const int row = Row();
  if (row < 0) {
    ShowMessage(messages_.selectToDelete);
    return;
  }
  if (IsFixed(row)) {
    ShowMessage(messages_.fixedDelete);
    return;
  }
  if (Refused(actions_.refuseDelete, row)) return;
  if (!AskYesNo(messages_.confirmDelete)) return;
  if (Refused(actions_.refuseDeleteAfterAsking, row)) return;
  actions_.remove(row);
  Changed();
  actions_.refill();
  SelectViewRow(view_, RowAfterDelete(row, RowCount()));
}

void ListWindowPattern::MoveUp() {
  const int row = Row();
  const int top = firstRow_ == FirstRow::Fixed ? 1 : 0;
  if (row < 0) {
    ShowMessage(messages_.selectToMoveUp);
  } else if (IsFixed(row)) {
    ShowMessage(messages_.fixedMove);
  } else if (row <= top) {
    ShowMessage(messages_.atTop);
  } else {
    actions_.moveUp(row);
    Changed();
    RefillAndSelect(row - 1);
  }
}

void ListWindowPattern::MoveDown() {
  const int row = Row();
  if (row < 0) {
    ShowMessage(messages_.selectToMoveDown);
  } else if (IsFixed(row)) {
    ShowMessage(messages_.fixedMove);
  } else if (row >= RowCount() - 1) {
    ShowMessage(messages_.atBottom);
  } else {
    actions_.moveDown(row);
    Changed();
    RefillAndSelect(row + 1);
  }
}

void ListWindowPattern::DoubleClick() {
  if (Row() >= 0) Change();
}

void ListWindowPattern::Changed() {
  if (actions_.changed) actions_.changed();
}

int ListWindowPattern::Row() const {
  return SelectedViewRow(view_);
}

bool ListWindowPattern::IsFixed(int row) const {
  return firstRow_ == FirstRow::Fixed && row == 0;
}

int ListWindowPattern::RowCount() const {
  return view_->model()->rowCount();
}

void ListWindowPattern::RefillAndSelect(int row) {
  actions_.refill();
  SelectViewRow(view_, row);
}

bool ListWindowPattern::Refused(const std::function<QString(int)>& check, int row) const {
  if (!check) return false;
  const QString reason = check(row);
  if (reason.isEmpty()) return false;
  ShowMessage(reason);
  return true;
}

int RowAfterDelete(int deletedRow, int remainingRows) {
  if (remainingRows <= 0) return -1;
  return deletedRow < remainingRows ? deletedRow : remainingRows - 1;
}

int SelectedViewRow(const QAbstractItemView* view) {
  const QModelIndexList selected = view->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void SelectViewRow(QAbstractItemView* view, int row) {
  QAbstractItemModel* model = view->model();
  if (row < 0 || row >= model->rowCount()) {
    view->clearSelection();
    view->setCurrentIndex(QModelIndex());
    return;
  }
  const QModelIndex index = model->index(row, 0);
  view->setCurrentIndex(index);
  view->selectionModel()->select(index,
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  view->scrollTo(index);
}
