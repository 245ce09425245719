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

// A part filled by its last digit (a year, the month 4) hands the typing on to the next
// part by itself; the separator typed after it, as in 2030/4/1, must not skip that part too.
class SeparatorAfterFullPart : public QObject {
 public:
  explicit SeparatorAfterFullPart(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
      digitTyped_ = false;
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const QString text = static_cast<QKeyEvent*>(event)->text();
    const bool digit = text.size() == 1 && text[0].isDigit();
    const bool separator = text.size() == 1 && !digit && text[0].isPrint() && !text[0].isSpace();
    const bool swallow = separator && digitTyped_ && picker_->currentSection() != digitPart_;
    digitTyped_ = digit;
    digitPart_ = picker_->currentSection();
    return swallow;
  }

 private:
  QDateTimeEdit* picker_;
  bool digitTyped_ = false;
  QDateTimeEdit::Section digitPart_ = QDateTimeEdit::NoSection;
};

template <class Picker>
Picker* MakePicker(QWidget* parent, const QString& name, const QString& format, bool calendar) {
  auto* picker = new Picker(parent);
  picker->setObjectName(name);
  picker->setDisplayFormat(format);
  picker->setCalendarPopup(calendar);
  picker->installEventFilter(new TabLeavesPicker(picker));
  auto* separators = new SeparatorAfterFullPart(picker);
  picker->installEventFilter(separators);
  if (auto* edit = picker->template findChild<QLineEdit*>()) {
    edit->installEventFilter(new SelectPartOnClick(picker));
    edit->installEventFilter(separators);
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
