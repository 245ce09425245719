#include "focus_mark.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "list_view.h"
#include "pickers.h"
#include "radio_group.h"
#include "ui_test_helpers.h"

namespace {

TEST(FocusMark, EveryKindOfControlShowsAFrameAroundItWhileFocused) {
  QDialog window;
  auto* layout = new QVBoxLayout(&window);
  auto* button = new QPushButton(QStringLiteral("OK"));
  auto* list = new QComboBox;
  list->addItems({QStringLiteral("月末"), QStringLiteral("1日")});
  auto* radios =
      new RadioGroup(QStringLiteral("税区分"), {QStringLiteral("税抜"), QStringLiteral("税込")});
  auto* check = new QCheckBox(QStringLiteral("連続登録"));
  auto* table = new QTableWidget;
  SetUpListView(table, {{QStringLiteral("商品名"), 100}});
  QDateEdit* date = DatePicker(&window, QStringLiteral("DateTimePicker"));
  for (QWidget* w : std::initializer_list<QWidget*>{button, list, radios, check, table, date}) {
    layout->addWidget(w);
  }
  ShowActive(&window);
  for (QWidget* control :
       std::initializer_list<QWidget*>{button, list, radios->Button(0), check, table, date}) {
    FocusOn(control);
    QWidget* mark = FocusMarkFrame();
    ASSERT_NE(mark, nullptr) << control->metaObject()->className();
    EXPECT_EQ(mark->parentWidget(), control->parentWidget());
    EXPECT_EQ(mark->geometry(), control->geometry().adjusted(-2, -2, 2, 2))
        << control->metaObject()->className();
  }
  // It follows a control that moves, and goes when the window loses the focus.
  date->move(date->pos() + QPoint(5, 0));
  EXPECT_EQ(FocusMarkFrame()->geometry(), date->geometry().adjusted(-2, -2, 2, 2));
  window.hide();
  QApplication::processEvents();
  EXPECT_EQ(FocusMarkFrame(), nullptr);
}

TEST(ListView, RowsAreAsHighAsTheTextWithASmallMargin) {
  QTableWidget view;
  SetUpListView(&view, {{QStringLiteral("商品名"), 100}});
  FillListView(&view, {{QStringLiteral("砂糖")}, {QStringLiteral("塩")}});
  QFont font = view.font();
  font.setPixelSize(15);
  view.setFont(font);  // as the window gives it after the set-up
  EXPECT_EQ(view.rowHeight(1), QFontMetrics(font).height() + 4);
  EXPECT_LE(view.rowHeight(1), 22);
}

}  // namespace
