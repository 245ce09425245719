#include "list_find.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTabBar>
#include <QTableWidget>

#include "list_view.h"
#include "list_window_pattern.h"
#include "match_text.h"
#include "ui_test_helpers.h"

namespace {

// Code, name and a column that is not matched, in the order a person sees them.
class ListFindTest : public ::testing::Test {
 protected:
  ListFindTest() : view_(new QTableWidget(&window_)) {
    SetUpListView(view_,
                  {{QStringLiteral("コード")}, {QStringLiteral("名前")}, {QStringLiteral("備考")}});
    FillListView(view_, {{"A-1", "鉛筆", "ボール"},
                         {"B-2", "ボールペン 黒", ""},
                         {"C-3", "消しゴム", ""},
                         {"ｂ-4", "ﾎﾞｰﾙﾍﾟﾝ 赤", ""}});
    bar_ = new TFindBar(&window_, TableFindTarget(view_, {0, 1}));
  }

  void Type(const QString& text) {
    bar_->EditFind->clear();
    TypeText(bar_->EditFind, text);
  }
  int Row() const { return SelectedViewRow(view_); }

  QWidget window_;
  QTableWidget* view_;
  TFindBar* bar_;
};

TEST_F(ListFindTest, TypingFindsTheFirstMatchAcrossWidthKanaAndCase) {
  const struct {
    const char16_t* typed;
    int row;
  } cases[] = {{u"ぼーる", 1}, {u"ﾎﾞｰﾙ", 1}, {u"ペン　赤", 3}, {u"Ｂ－", 1},
               {u"c-3", 2},    {u"シゴ", 2}, {u"ぴ", -1},      {u"けし", -1}};
  for (const auto& c : cases) {
    SelectViewRow(view_, 0);
    Type(QString::fromUtf16(c.typed));
    // No match leaves the row where it was and says so by the field's tint.
    EXPECT_EQ(Row(), c.row < 0 ? 0 : c.row) << QString::fromUtf16(c.typed).toStdString();
    EXPECT_EQ(bar_->Found(), c.row >= 0);
    EXPECT_EQ(bar_->EditFind->styleSheet().isEmpty(), c.row >= 0);
  }
}

TEST_F(ListFindTest, NextAndPreviousWrapAtTheEnds) {
  Type(QStringLiteral("ボール"));  // the remark column of row 0 is not matched
  EXPECT_EQ(Row(), 1);
  PressKey(bar_->EditFind, Qt::Key_F3);
  EXPECT_EQ(Row(), 3);
  PressKey(bar_->EditFind, Qt::Key_Return);
  EXPECT_EQ(Row(), 1);  // wrapped past the end
  PressKey(bar_->EditFind, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(Row(), 3);  // wrapped past the start
  PressKey(bar_->EditFind, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(Row(), 1);
  view_->clearSelection();
  view_->setCurrentItem(nullptr);
  PressKey(bar_->EditFind, Qt::Key_F3);  // from no row: the first match
  EXPECT_EQ(Row(), 1);
}

TEST(FindTargets, TabBarAndEmptyListsAreWalkedTheSameWay) {
  QTabBar tabs;
  for (const char* name : {"山田商店", "やまだ物産", "田中"}) tabs.addTab(QString::fromUtf8(name));
  const FindTarget target = TabBarFindTarget(&tabs);
  EXPECT_EQ(FindEntry(target, MatchForm(QStringLiteral("ヤマダ")), 0, 1), 1);
  EXPECT_EQ(FindEntry(target, MatchForm(QStringLiteral("田")), 2, 1), 2);
  EXPECT_EQ(FindEntry(target, MatchForm(QStringLiteral("田")), 1, -1), 0);
  EXPECT_EQ(FindEntry(target, MatchForm(QStringLiteral("田")), -1, -1), 2);
  QTabBar none;
  EXPECT_EQ(FindEntry(TabBarFindTarget(&none), QStringLiteral("x"), 0, 1), -1);
}

}  // namespace
