#include "pickers.h"

#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimeEdit>

#include "enter_navigation.h"

namespace {

// A click only places the cursor inside a part, where typed digits would make the text
// unreadable and be refused; selecting the part lets them replace it.
class SelectPartOnClick : public QObject {
 public:
  explicit SelectPartOnClick(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      const auto* edit = static_cast<QLineEdit*>(watched);
      if (!edit->hasSelectedText()) picker_->setSelectedSection(picker_->currentSection());
    }
    return false;
  }

 private:
  QDateTimeEdit* picker_;
};

// Tab leaves the picker, as in every other field; the picker's own Tab would walk its parts
// first, so leaving a date took three presses. The arrow keys still move between parts.
class TabLeavesPicker : public QObject {
 public:
  explicit TabLeavesPicker(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return false;
    if ((key->modifiers() & ~Qt::ShiftModifier) != Qt::NoModifier) return false;
    const bool forward = key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier;
    MoveFocusInWindow(picker_->window(), forward);
    return true;
  }

 private:
  QDateTimeEdit* picker_;
};

template <class Picker>
Picker* MakePicker(QWidget* parent, const QString& name, const QString& format, bool calendar) {
  auto* picker = new Picker(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat(format);
  picker->setCalendarPopup(calendar);
  picker->installEventFilter(new TabLeavesPicker(picker));
  if (auto* edit = picker->template findChild<QLineEdit*>()) {
    edit->installEventFilter(new SelectPartOnClick(picker));
  }
  return picker;
}

}  // namespace

QDateEdit* DatePicker(QWidget* parent, const QString& name) {
  return MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy/MM/dd"), true);
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name) {
  return MakePicker<QTimeEdit>(parent, name, QStringLiteral("HH:mm"), false);
}

QDateEdit* MonthPicker(QWidget* parent, const QString& name) {
  return MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy年MM月"), true);
}
