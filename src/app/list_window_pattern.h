#pragma once

#include <QString>

#include <functional>

class QAbstractItemView;

// The behaviour every list window shares: add, change, delete, move up, move down and
// double-click, the checks before each, and the row selected after each. The rows of the
// view are the records of the list in order, so a row is also the record's index.

// The texts shown when an action is refused or confirmed. A window with its own wording
// replaces the member concerned.
struct ListMessages {
  QString selectToChange = QStringLiteral("変更する項目を選択してください。");
  QString selectToDelete = QStringLiteral("削除する項目を選択してください。");
  QString selectToMoveUp = QStringLiteral("上に移動する項目を選択してください。");
  QString selectToMoveDown = QStringLiteral("下に移動する項目を選択してください。");
  QString atTop = QStringLiteral("これ以上上に移動できません。");
  QString atBottom = QStringLiteral("これ以上下に移動できません。");
  QString confirmDelete = QStringLiteral("削除します。よろしいですか？");
  // For a list whose first row is fixed.
  QString fixedChange = QStringLiteral("この項目は変更できません。");
  QString fixedDelete = QStringLiteral("この項目は削除できません。");
  QString fixedMove = QStringLiteral("この項目は移動できません。");
};

// A fixed first row cannot be changed, deleted or moved, and nothing moves above it.
enum class FirstRow { Free, Fixed };

// What the window does to its records; the pattern decides when. Unset refusals never
// refuse.
struct ListActions {
  std::function<void()> refill;         // the view from the document
  std::function<bool()> add;            // true when a record was appended
  std::function<bool(int row)> change;  // true when the record was stored
  // Why the row may not be deleted, or an empty text: checked before the question ...
  std::function<QString(int row)> refuseDelete;
  // ... and after it.
  std::function<QString(int row)> refuseDeleteAfterAsking;
  std::function<void(int row)> remove;
  std::function<void(int row)> moveUp;    // exchanges the row with the one above
  std::function<void(int row)> moveDown;  // exchanges the row with the one below
  // After every record stored, deleted or moved: the document has unsaved changes.
  std::function<void()> changed;
  // For a list kept in its own order: the row of the record just added or changed. Unset,
  // an added record is the last row and a changed one stays where it was.
  std::function<int()> storedRow;
};

class ListWindowPattern {
 public:
  ListWindowPattern(QAbstractItemView* view, ListActions actions, ListMessages messages = {},
                    FirstRow firstRow = FirstRow::Free);

  // Refills the view; nothing is selected afterwards.
  void Refill();
  // After a record was appended: the new last row is selected.
  void Add();
  // After a change: the same row (or the stored row, see ListActions).
  void Change();
  // After a delete: the row at the same place, or the new last row.
  void Delete();
  // After a move: the record at its new place.
  void MoveUp();
  void MoveDown();
  // As Change, but only with a row selected.
  void DoubleClick();

 private:
  void Changed();
  int Row() const;
  bool IsFixed(int row) const;
  int RowCount() const;
  void RefillAndSelect(int row);
  bool Refused(const std::function<QString(int)>& check, int row) const;

  QAbstractItemView* view_;
  ListActions actions_;
  ListMessages messages_;
  FirstRow firstRow_;
};

// The row to select after deleting `deletedRow` when `remainingRows` rows are left: the
// same place, or the new last row; -1 when none remain.
int RowAfterDelete(int deletedRow, int remainingRows);

// The selected row of a list box or table, -1 without a selection.
int SelectedViewRow(const QAbstractItemView* view);
// Selects the row and scrolls it into view; a row outside the view clears the selection.
void SelectViewRow(QAbstractItemView* view, int row);
