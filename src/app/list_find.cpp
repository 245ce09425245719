#include "list_find.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTabBar>
#include <QTableWidget>

#include "list_window_pattern.h"
#include "match_text.h"

namespace {

// Enter, F3 and Shift+F3 in the field.
class FindKeys : public QObject {
 public:
  explicit FindKeys(TFindBar* bar) : QObject(bar), bar_(bar) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    if (key->key() == Qt::Key_F3 && shift) {
      bar_->FindPrevious();
    } else if (key->key() == Qt::Key_F3 || key->key() == Qt::Key_Return ||
               key->key() == Qt::Key_Enter) {
      bar_->FindNext();
    } else {
      return false;
    }
    return true;  // Enter must not reach the window's default button or its Enter walk
  }

 private:
  TFindBar* bar_;
};

const QString kNoMatchStyle = QStringLiteral("QLineEdit { background: #ffd8d8; }");

}  // namespace

FindTarget TableFindTarget(QTableWidget* view, std::vector<int> columns) {
  return {[view] { return view->rowCount(); },
          [view, columns](int row) {
            QStringList texts;
            for (const int c : columns) {
              if (const QTableWidgetItem* item = view->item(row, c)) texts << item->text();
            }
            return texts;
          },
          [view] { return SelectedViewRow(view); }, [view](int row) { SelectViewRow(view, row); }};
}

FindTarget TabBarFindTarget(QTabBar* tabs) {
  return {[tabs] { return tabs->count(); }, [tabs](int i) { return QStringList{tabs->tabText(i)}; },
          [tabs] { return tabs->currentIndex(); }, [tabs](int i) { tabs->setCurrentIndex(i); }};
}

FindTarget ListBoxFindTarget(QListWidget* box) {
  return {[box] { return box->count(); },
          [box](int i) { return QStringList{box->item(i)->text()}; },
          [box] { return SelectedViewRow(box); }, [box](int i) { SelectViewRow(box, i); }};
}

int FindEntry(const FindTarget& target, const QString& wanted, int from, int step) {
  const int count = target.count();
  if (count == 0) return -1;
  from = ((from % count) + count) % count;
  for (int n = 0; n < count; ++n) {
    const int entry = (from + n * step + count * count) % count;
    for (const QString& text : target.texts(entry)) {
      if (MatchContains(text, wanted)) return entry;
    }
  }
  return -1;
}

TFindBar::TFindBar(QWidget* window, FindTarget target)
    : QWidget(window), EditFind(new QLineEdit(this)), target_(std::move(target)) {
  setObjectName(QStringLiteral("FindBar"));
  EditFind->setObjectName(QStringLiteral("EditFind"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QStringLiteral("検索"), this));
  layout->addWidget(EditFind, 1);
  EditFind->installEventFilter(new FindKeys(this));
  connect(EditFind, &QLineEdit::textEdited, this, [this] { FindFirst(); });
  auto* focus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window);
  focus->setContext(Qt::WindowShortcut);
  connect(focus, &QShortcut::activated, this, [this] {
    EditFind->setFocus(Qt::ShortcutFocusReason);
    EditFind->selectAll();
  });
}

void TFindBar::FindNext() {
  Go(target_.current() + 1, 1);
}

void TFindBar::FindPrevious() {
  Go(target_.current() - 1, -1);
}

void TFindBar::FindFirst() {
  Go(0, 1);
}

void TFindBar::Go(int from, int step) {
  const QString wanted = MatchForm(EditFind->text());
  if (wanted.isEmpty()) return ShowFound(true);
  const int entry = FindEntry(target_, wanted, from, step);
  if (entry >= 0) target_.select(entry);
  ShowFound(entry >= 0);
}

void TFindBar::ShowFound(bool found) {
  found_ = found;
  EditFind->setStyleSheet(found ? QString() : kNoMatchStyle);
}
