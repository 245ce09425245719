#include "pickers.h"

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <functional>

#include <gtest/gtest.h>

#include "ui_test_helpers.h"

namespace {

// Tab and Shift+Tab leave a picker in one press from whichever part is selected, as from
// any other field.
TEST(PickersTest, TabLeavesThePickerFromAnyPart) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  auto* before = new QLineEdit(&window);
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePickerDate"));
  QDateEdit* month = MonthPicker(&window, QStringLiteral("DateTimePickerMonth"));
  QTimeEdit* time = TimePicker(&window, QStringLiteral("DateTimePickerTime"));
  auto* after = new QLineEdit(&window);
  for (QWidget* w : std::initializer_list<QWidget*>{before, date, month, time, after}) {
    layout->addWidget(w);
  }
  ShowActive(&window);

  const struct {
    QDateTimeEdit* picker;
    QWidget* next;
    QWidget* previous;
  } cases[] = {{date, month, before}, {month, time, date}, {time, after, month}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picker->objectName().toStdString());
    for (int part = 0; part < c.picker->sectionCount(); ++part) {
      FocusOn(c.picker);
      c.picker->setCurrentSectionIndex(part);
      PressKey(QApplication::focusWidget(), Qt::Key_Tab);
      EXPECT_EQ(QApplication::focusWidget(), c.next) << "part " << part;

      FocusOn(c.picker);
      c.picker->setCurrentSectionIndex(part);
      PressKey(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      EXPECT_EQ(QApplication::focusWidget(), c.previous) << "part " << part;
    }
  }
}

// A date is typed as it is written, separators and all: the separator after a part that
// filled itself (a year, the month 4, the hour 9) does not skip the next part, and a short
// year means the year it would on Windows.
TEST(PickersTest, TypedSeparatorsKeepEveryPart) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePickerDate"));
  QTimeEdit* time = TimePicker(&window, QStringLiteral("DateTimePickerTime"));
  layout->addWidget(date);
  layout->addWidget(time);
  ShowActive(&window);

  const struct {
    const char* typed;
    QDate date;
  } dates[] = {{"2030/4/1", QDate(2030, 4, 1)},
               {"2030/12/5", QDate(2030, 12, 5)},
               {"2031/1/15", QDate(2031, 1, 15)},
               {"20320229", QDate(2032, 2, 29)},
               // A year of one or two digits is this century's, or the last one's from 50.
               {"24/4/1", QDate(2024, 4, 1)},
               {"5/6/7", QDate(2005, 6, 7)},
               {"99/1/2", QDate(1999, 1, 2)},
               {"28", QDate(2028, 12, 8)},
               {"2031.1.15", QDate(2031, 1, 15)},
               {"2031-1-15", QDate(2031, 1, 15)}};
  for (const auto& c : dates) {
    SCOPED_TRACE(c.typed);
    date->setDate(QDate(2026, 12, 8));
    FocusOn(date);
    date->setSelectedSection(QDateTimeEdit::YearSection);
    TypeText(QApplication::focusWidget(), QString::fromLatin1(c.typed));
    PressKey(QApplication::focusWidget(), Qt::Key_Tab);  // leaving takes the last part
    EXPECT_EQ(date->date().toString(Qt::ISODate), c.date.toString(Qt::ISODate));
  }
  const struct {
    const char* typed;
    QTime time;
  } times[] = {{"9:30", QTime(9, 30)}, {"17:05", QTime(17, 5)}, {"1:7", QTime(1, 7)}};
  for (const auto& c : times) {
    SCOPED_TRACE(c.typed);
    time->setTime(QTime(10, 0));
    FocusOn(time);
    time->setSelectedSection(QDateTimeEdit::HourSection);
    TypeText(QApplication::focusWidget(), QString::fromLatin1(c.typed));
    PressKey(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(time->time().toString(), c.time.toString());
  }
}

}  // namespace

namespace {

// A year typed short is taken once the picker is left by a click elsewhere or Enter, in
// month pickers too, instead of falling back to the old date.
TEST(PickersTest, AYearTypedShortIsTakenWhenThePickerIsLeft) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePickerDate"));
  QDateEdit* month = MonthPicker(&window, QStringLiteral("DateTimePickerMonth"));
  auto* after = new QLineEdit(&window);
  for (QWidget* w : std::initializer_list<QWidget*>{date, month, after}) layout->addWidget(w);
  ShowActive(&window);
  const auto typeYear = [](QDateEdit* picker, const char* typed) {
    picker->setDate(QDate(2026, 3, 31));
    FocusOn(picker);
    picker->setSelectedSection(QDateTimeEdit::YearSection);
    TypeText(QApplication::focusWidget(), QString::fromLatin1(typed));
  };
  typeYear(date, "24");
  FocusOn(after);
  EXPECT_EQ(date->date(), QDate(2024, 3, 31));
  typeYear(month, "24");
  PressKey(QApplication::focusWidget(), Qt::Key_Return);
  EXPECT_EQ(month->date(), QDate(2024, 3, 31));
  typeYear(date, "2023");  // four digits are the year as typed
  FocusOn(after);
  EXPECT_EQ(date->date(), QDate(2023, 3, 31));
}

}  // namespace

namespace {

// A click gives the focus first, as the window system does.
void ClickAt(QWidget* widget, QPoint at) {
  FocusOn(widget, Qt::MouseFocusReason);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
}

// Wherever the caret stands when a whole date is typed, the whole date is taken and shown
// as typed until then; a day that does not exist keeps the old date and the focus.
TEST(PickersTest, AWholeDateTypedAnywhereReplacesTheValue) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  auto* before = new QLineEdit(&window);
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePickerDate"));
  auto* after = new QLineEdit(&window);
  for (QWidget* w : std::initializer_list<QWidget*>{before, date, after}) layout->addWidget(w);
  ShowActive(&window);
  auto* edit = date->findChild<QLineEdit*>();
  const std::function<void()> ways[] = {
      [&] { ClickAt(edit, QPoint(edit->width() - 4, edit->height() / 2)); },
      [&] { ClickAt(edit, QPoint(2, edit->height() / 2)); },
      [&] { FocusOn(date); },
      [&] {
        FocusOn(date);
        PressKey(QApplication::focusWidget(), Qt::Key_End);
      },
      [&] {
        FocusOn(date);
        PressKey(QApplication::focusWidget(), Qt::Key_Home);
      },
      [&] {
        FocusOn(after);
        PressKey(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      },
  };
  int way = 0;
  for (const auto& focus : ways) {
    SCOPED_TRACE(way++);
    FocusOn(before);
    date->setDate(QDate(2026, 12, 20));
    focus();
    ASSERT_EQ(QApplication::focusWidget(), date);
    TypeText(date, QStringLiteral("2025/11/05"));
    EXPECT_EQ(edit->text(), QStringLiteral("2025/11/05"));
    PressKey(date, Qt::Key_Return);
    EXPECT_EQ(date->date(), QDate(2025, 11, 5));

    FocusOn(before);
    focus();
    TypeText(date, QStringLiteral("R8/2/30"));
    PressKey(date, Qt::Key_Return);
    EXPECT_EQ(date->date(), QDate(2025, 11, 5));
    EXPECT_EQ(edit->text(), QStringLiteral("2025/11/05"));
    EXPECT_EQ(QApplication::focusWidget(), date);
  }
}

}  // namespace
