#include "pickers.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QTimeEdit>
#include <QVBoxLayout>

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

}  // namespace

namespace {

// A year typed short is the nearest year ending in those digits; the picker holds it once
// it is left by Tab, a click elsewhere or Enter, instead of falling back to the old date.
TEST(PickersTest, AYearTypedWithOneOrTwoDigitsIsTheNearestSuchYear) {
  const struct {
    int typed, digits, thisYear, year;
  } years[] = {{25, 2, 2026, 2025}, {98, 2, 2026, 1998}, {60, 2, 2026, 2060},
               {76, 2, 2026, 1976}, {0, 2, 2026, 2000},  {5, 1, 2026, 2025},
               {9, 1, 2026, 2029},  {1, 1, 2029, 2031},  {99, 2, 2001, 1999}};
  for (const auto& y : years) {
    EXPECT_EQ(ExpandShortYear(y.typed, y.digits, y.thisYear), y.year)
        << y.typed << " in " << y.thisYear;
  }

  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePickerDate"));
  QDateEdit* month = MonthPicker(&window, QStringLiteral("DateTimePickerMonth"));
  auto* after = new QLineEdit(&window);
  for (QWidget* w : std::initializer_list<QWidget*>{date, month, after}) layout->addWidget(w);
  ShowActive(&window);
  // 24 stays 2024 for every year this program will see before 2074.
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
