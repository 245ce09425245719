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
