#include "form_controls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "enter_navigation.h"
#include "input_method.h"
#include "sjis_guard.h"
#include "tab_order.h"

namespace {

void SetIme(QWidget* widget, Ime ime) {
  if (ime == Ime::On) {
    SetImeOn(widget);
  } else {
    SetImeOff(widget);
  }
}

// The line edit takes Enter as accepting an inline completion while any text is selected,
// and so swallows it, even when the selection is only the whole text selected on entering
// by Tab. With nothing selected Enter passes on and moves to the next field; a completion
// shown inline is in the text already and stays.
class EnterLeavesCompletion : public QObject {
 public:
  explicit EnterLeavesCompletion(QComboBox* combo) : QObject(combo), combo_(combo) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    QLineEdit* edit = combo_->lineEdit();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && edit != nullptr &&
        !combo_->view()->isVisible()) {
      edit->deselect();
    }
    return false;
  }

 private:
  QComboBox* combo_;
};

// A completion pop-up keeps Enter for itself, so the field kept the focus and the next
// field's typing landed in it. Enter takes the highlighted entry, or the text as typed,
// and moves on as in any other field.
class EnterLeavesCompletionPopup : public QObject {
 public:
  explicit EnterLeavesCompletionPopup(QComboBox* combo) : QObject(combo), combo_(combo) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QKeyEvent* key = EnterPress(event);
    if (key == nullptr) return false;
    QCompleter* completer = combo_->completer();
    const QModelIndex chosen = completer->popup()->currentIndex();
    completer->popup()->hide();
    if (chosen.isValid()) combo_->setEditText(chosen.data(completer->completionRole()).toString());
    MoveFocusInWindow(combo_->window(), !(key->modifiers() & Qt::ShiftModifier));
    return true;
  }

 private:
  QComboBox* combo_;
};

// Without auto-default a button ignores Enter even when it has the focus; a user who
// tabbed to "印刷" or "戻る" expects Enter to press it, as it does a window's OK.
class EnterPressesFocusedButton : public QObject {
 public:
  explicit EnterPressesFocusedButton(QPushButton* button) : QObject(button), button_(button) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const QKeyEvent* key = EnterPress(event);
    if (key == nullptr) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    if (!button_->hasFocus() || !button_->isEnabled()) return false;
    button_->click();
    return true;
  }

 private:
  QPushButton* button_;
};

}  // namespace

QPushButton* FormButton(QWidget* parent, const QString& caption, const QString& name) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->installEventFilter(new EnterPressesFocusedButton(button));
  return button;
}

QPushButton* SideButton(QWidget* parent, const QString& caption, const QString& name) {
  QPushButton* button = FormButton(parent, caption, name);
  button->setFocusPolicy(Qt::ClickFocus);
  return button;
}

QLineEdit* TextField(QWidget* parent, const QString& name, Ime ime) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  GuardSjis(edit);
  SetIme(edit, ime);
  return edit;
}

QComboBox* PickList(QWidget* parent, const QString& name, const QStringList& items) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->addItems(items);
  return combo;
}

QComboBox* EditableList(QWidget* parent, const QString& name, Ime ime) {
  QComboBox* combo = PickList(parent, name);
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  GuardSjis(combo);
  SetIme(combo, ime);
  auto* enter = new EnterLeavesCompletion(combo);
  combo->installEventFilter(enter);
  combo->lineEdit()->installEventFilter(enter);
  return combo;
}

void UsePopupCompletion(QComboBox* combo) {
  QCompleter* completer = combo->completer();
  completer->setCompletionMode(QCompleter::PopupCompletion);
  completer->popup()->installEventFilter(new EnterLeavesCompletionPopup(combo));
}

void SetEditableText(QComboBox* combo, const QString& text) {
  combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly));
  combo->setEditText(text);
}

QHBoxLayout* ControlRow(std::initializer_list<QWidget*> left,
                        std::initializer_list<QWidget*> right) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : left) row->addWidget(w);
  row->addStretch();
  for (QWidget* w : right) row->addWidget(w);
  return row;
}

void LayOutEntryWindow(QWidget* window, QLayout* left, QLayout* right, QLineEdit* note,
                       QLayout* bottom) {
  // The remark stands below the left column and is walked right after it, before the
  // right column.
  auto* columns = new QGridLayout;
  MarkColumns(columns);
  columns->addLayout(left, 0, 0);
  columns->addLayout(right, 0, 1, Qt::AlignTop);
  columns->setColumnStretch(0, 1);
  auto* noteRow = new QFormLayout;
  noteRow->addRow(QStringLiteral("備考"), note);
  columns->addLayout(noteRow, 1, 0, 1, 2);
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(columns);
  layout->addStretch();
  layout->addLayout(bottom);
}
