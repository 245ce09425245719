#include "pickers.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTimeEdit>

#include <algorithm>

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

// Typing a date as it is written. A part filled by its last digit (a year, the month 4)
// hands the typing on to the next part by itself, so the separator typed after it, as in
// 2030/4/1, must not skip that part too. A year of one or two digits, left by a separator,
// Tab, Enter or the focus, is taken as Windows takes it: 00-49 this century, 50-99 the last.
// Any other separator (2030.4.1, 2030-4-1) acts as the picker's own.
class TypedDateParts : public QObject {
 public:
  explicit TypedDateParts(QDateTimeEdit* picker) : QObject(picker), picker_(picker) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn) {
      digitTyped_ = false;
      return false;
    }
    if (event->type() == QEvent::FocusOut) {
      ExpandShortYear();
      return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    const bool digit = text.size() == 1 && text[0].isDigit();
    const bool separator = text.size() == 1 && !digit && text[0].isPrint() && !text[0].isSpace();
    const bool swallow = separator && digitTyped_ && picker_->currentSection() != digitPart_;
    if (!swallow && (separator || LeavesPart(key->key()))) ExpandShortYear();
    digitTyped_ = digit;
    digitPart_ = picker_->currentSection();
    if (swallow || !separator) return swallow;
    const QString own = SeparatorAfter(picker_->currentSectionIndex());
    if (own.isEmpty() || text == own.left(1)) return false;
    QKeyEvent same(QEvent::KeyPress, own[0].unicode(), Qt::NoModifier, own.left(1));
    QCoreApplication::sendEvent(watched, &same);
    return true;
  }

 private:
  // The text between part `index` and the next in the display format, "/" in yyyy/MM/dd.
  QString SeparatorAfter(int index) const {
    static const QRegularExpression parts(QStringLiteral("[yMdHms]+"));
    const QString format = picker_->displayFormat();
    QRegularExpressionMatchIterator it = parts.globalMatch(format);
    for (int i = 0; it.hasNext(); ++i) {
      const QRegularExpressionMatch part = it.next();
      if (i != index) continue;
      if (!it.hasNext()) return {};
      const qsizetype end = part.capturedEnd();
      return format.mid(end, it.peekNext().capturedStart() - end);
    }
    return {};
  }

  static bool LeavesPart(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Return ||
           key == Qt::Key_Enter || key == Qt::Key_Right;
  }

  void ExpandShortYear() {
    if (!digitTyped_ || digitPart_ != QDateTimeEdit::YearSection ||
        picker_->currentSection() != QDateTimeEdit::YearSection) {
      return;
    }
    const QString typed = picker_->sectionText(QDateTimeEdit::YearSection).trimmed();
    bool number = false;
    const int yy = typed.toInt(&number);
    if (!number || typed.size() > 2) return;
    const int year = yy < 50 ? 2000 + yy : 1900 + yy;
    const QDate old = picker_->date();
    const int day = std::min(old.day(), QDate(year, old.month(), 1).daysInMonth());
    picker_->setDate(QDate(year, old.month(), day));
    // Setting the date moves the cursor; the separator or key goes on from the year.
    picker_->setCurrentSection(QDateTimeEdit::YearSection);
    digitTyped_ = false;
  }

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
  auto* typed = new TypedDateParts(picker);
  picker->installEventFilter(typed);
  if (auto* edit = picker->template findChild<QLineEdit*>()) {
    edit->installEventFilter(new SelectPartOnClick(picker));
    edit->installEventFilter(typed);
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
