#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabBar;
class QTableWidget;

// What a find field walks: entries 0..count-1 in their order (rows, tabs, list-box lines),
// the texts of an entry that can match, and the entry that is current. Finding only moves
// the current entry; nothing is hidden or reordered.
struct FindTarget {
  std::function<int()> count;
  std::function<QStringList(int entry)> texts;
  std::function<int()> current;  // -1 without one
  std::function<void(int entry)> select;
};

// The rows of a list view, matched on the given columns.
FindTarget TableFindTarget(QTableWidget* view, std::vector<int> columns);
FindTarget TabBarFindTarget(QTabBar* tabs);
FindTarget ListBoxFindTarget(QListWidget* box);

// The first entry from `from` on in the direction `step` (+1 or -1), wrapping at the ends,
// whose texts contain `wanted` (in match form); -1 when none does.
int FindEntry(const FindTarget& target, const QString& wanted, int from, int step);

// "検索" and its field. Typing goes to the first matching entry; Enter or F3 to the next,
// Shift+F3 to the previous, wrapping; no match leaves the current entry and tints the
// field. Ctrl+F anywhere in the window puts the focus in the field.
class TFindBar : public QWidget {
 public:
  TFindBar(QWidget* window, FindTarget target);

  void FindNext();
  void FindPrevious();
  // Whether the last search found an entry (an empty field counts as found).
  bool Found() const { return found_; }

  QLineEdit* EditFind;

 private:
  void FindFirst();
  void Go(int from, int step);
  void ShowFound(bool found);

  FindTarget target_;
  bool found_ = true;
};
