#include "pickers.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimeEdit>

#include <algorithm>
#include <cstdlib>

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

// A year left with one or two digits would be thrown away for the date held before; it
// is read as the nearest year ending in those digits, the way office users type years.
class ShortYearOnLeave : public QObject {
 public:
  using QObject::QObject;

 protected:
  // Cast each time: a picker being destroyed is no date picker any more.
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* picker = qobject_cast<QDateEdit*>(watched);
    if (picker == nullptr) return false;
    if (event->type() == QEvent::FocusOut) {
      Expand(picker);
    } else if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) Expand(picker);
    }
    return false;
  }

 private:
  static void Expand(QDateEdit* picker) {
    const auto* edit = picker->findChild<QLineEdit*>();
    if (edit == nullptr) return;
    const QString text = edit->text();
    int digits = 0;
    while (digits < text.size() && text[digits].isDigit()) ++digits;
    if (digits == 0 || digits > 2) return;
    const int year =
        ExpandShortYear(text.left(digits).toInt(), digits, QDate::currentDate().year());
    const QString format = picker->displayFormat();
    QDate date = QDate::fromString(QString::number(year) + text.mid(digits), format);
    if (!date.isValid()) return;
    if (!format.contains(QLatin1Char('d'))) {
      // A month picker keeps its day where the month has it.
      date = QDate(date.year(), date.month(), std::min(picker->date().day(), date.daysInMonth()));
    }
    picker->setDate(date);
  }
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
  QDateEdit* picker = MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy/MM/dd"), true);
  picker->installEventFilter(new ShortYearOnLeave(picker));
  return picker;
}

QTimeEdit* TimePicker(QWidget* parent, const QString& name) {
  return MakePicker<QTimeEdit>(parent, name, QStringLiteral("HH:mm"), false);
}

QDateEdit* MonthPicker(QWidget* parent, const QString& name) {
  QDateEdit* picker = MakePicker<QDateEdit>(parent, name, QStringLiteral("yyyy年MM月"), true);
  picker->installEventFilter(new ShortYearOnLeave(picker));
  return picker;
}

int ExpandShortYear(int typed, int digits, int thisYear) {
  const int span = digits == 1 ? 10 : 100;
  const int candidate = thisYear - thisYear % span + typed % span;
  int best = candidate - span;
  for (const int year : {candidate, candidate + span}) {
    if (std::abs(year - thisYear) < std::abs(best - thisYear)) best = year;
  }
  return best;
}
