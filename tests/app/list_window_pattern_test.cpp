#include "list_window_pattern.h"

#include <QListWidget>

#include <memory>

#include <gtest/gtest.h>

#include "dialog_script.h"

namespace {

TEST(RowAfterDelete, KeepsThePlaceOrFallsBackToTheNewLastRow) {
  EXPECT_EQ(RowAfterDelete(1, 3), 1);
  EXPECT_EQ(RowAfterDelete(3, 3), 2);  // the last of four rows went
  EXPECT_EQ(RowAfterDelete(0, 0), -1);
}

// A list window reduced to its list: the records are texts, the view a list box.
class ListWindowPatternTest : public testing::Test {
 protected:
  void Build(FirstRow firstRow = FirstRow::Free, ListMessages messages = {}) {
    ListActions a;
    a.refill = [this] {
      view_.clear();
      view_.addItems(records_);
    };
    a.add = [this] {
      if (!addSucceeds_) return false;
      records_ << QStringLiteral("new");
      return true;
    };
    a.change = [this](int row) {
      records_[row] += QStringLiteral("*");
      return true;
    };
    a.refuseDelete = [this](int row) { return row == refusedBefore_ ? kBefore : QString(); };
    a.refuseDeleteAfterAsking = [this](int row) {
      return row == refusedAfter_ ? kAfter : QString();
    };
    a.remove = [this](int row) { records_.removeAt(row); };
    a.moveUp = [this](int row) { records_.swapItemsAt(row - 1, row); };
    a.moveDown = [this](int row) { records_.swapItemsAt(row, row + 1); };
    pattern_ = std::make_unique<ListWindowPattern>(&view_, a, messages, firstRow);
    pattern_->Refill();
  }

  void Select(int row) { SelectViewRow(&view_, row); }
  int Selected() const { return SelectedViewRow(&view_); }

  inline static const QString kBefore = QStringLiteral("before");
  inline static const QString kAfter = QStringLiteral("after");

  QStringList records_{"a", "b", "c"};
  QListWidget view_;
  bool addSucceeds_ = true;
  int refusedBefore_ = -1;
  int refusedAfter_ = -1;
  std::unique_ptr<ListWindowPattern> pattern_;
  DialogScript script_;
};

TEST_F(ListWindowPatternTest, SelectsTheNewLastRowAfterAddAndTheSameRowAfterChange) {
  Build();
  pattern_->Add();
  EXPECT_EQ(view_.count(), 4);
  EXPECT_EQ(Selected(), 3);
  Select(1);
  pattern_->Change();
  EXPECT_EQ(view_.item(1)->text(), QStringLiteral("b*"));
  EXPECT_EQ(Selected(), 1);

  // An add that stored nothing leaves the view alone.
  addSucceeds_ = false;
  Select(0);
  pattern_->Add();
  EXPECT_EQ(Selected(), 0);
  EXPECT_TRUE(script_.Messages().isEmpty());
}

TEST_F(ListWindowPatternTest, DeleteSelectsTheSamePlaceThenTheNewLastRowThenNothing) {
  Build();
  for (int i = 0; i < 3; ++i) script_.AnswerYes();
  Select(0);
  pattern_->Delete();
  EXPECT_EQ(records_, QStringList({"b", "c"}));
  EXPECT_EQ(Selected(), 0);
  Select(1);
  pattern_->Delete();
  EXPECT_EQ(Selected(), 0);
  pattern_->Delete();
  EXPECT_TRUE(records_.isEmpty());
  EXPECT_EQ(Selected(), -1);
  EXPECT_EQ(script_.Questions().size(), 3);
}

TEST_F(ListWindowPatternTest, DeleteAsksAndStopsOnNo) {
  Build();
  script_.AnswerNo();
  Select(2);
  pattern_->Delete();
  EXPECT_EQ(script_.Questions(), QStringList{QStringLiteral("削除します。よろしいですか？")});
  EXPECT_EQ(records_.size(), 3);
  EXPECT_EQ(Selected(), 2);
}

TEST_F(ListWindowPatternTest, RefusalsComeBeforeOrAfterTheQuestionAsTheWindowSays) {
  Build();
  refusedBefore_ = 0;
  refusedAfter_ = 1;
  Select(0);
  pattern_->Delete();
  EXPECT_TRUE(script_.Questions().isEmpty());
  EXPECT_EQ(script_.Messages(), QStringList{kBefore});

  script_.AnswerYes();
  Select(1);
  pattern_->Delete();
  EXPECT_EQ(script_.Questions().size(), 1);
  EXPECT_EQ(script_.Messages(), QStringList({kBefore, kAfter}));
  EXPECT_EQ(records_.size(), 3);
}

TEST_F(ListWindowPatternTest, EveryActionWithoutSelectionOnlyAsksForOne_DoubleClickIsSilent) {
  Build();
  pattern_->Change();
  pattern_->Delete();
  pattern_->MoveUp();
  pattern_->MoveDown();
  pattern_->DoubleClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({QStringLiteral("変更する項目を選択してください。"),
                         QStringLiteral("削除する項目を選択してください。"),
                         QStringLiteral("上に移動する項目を選択してください。"),
                         QStringLiteral("下に移動する項目を選択してください。")}));
  EXPECT_EQ(records_, QStringList({"a", "b", "c"}));
}

TEST_F(ListWindowPatternTest, MovesCarryTheSelectionAndStopAtBothEnds) {
  Build();
  Select(1);
  pattern_->MoveUp();
  EXPECT_EQ(records_, QStringList({"b", "a", "c"}));
  EXPECT_EQ(Selected(), 0);
  pattern_->MoveUp();
  Select(1);
  pattern_->MoveDown();
  EXPECT_EQ(records_, QStringList({"b", "c", "a"}));
  EXPECT_EQ(Selected(), 2);
  pattern_->MoveDown();
  EXPECT_EQ(script_.Messages(), QStringList({QStringLiteral("これ以上上に移動できません。"),
                                             QStringLiteral("これ以上下に移動できません。")}));
  EXPECT_EQ(records_, QStringList({"b", "c", "a"}));
}

TEST_F(ListWindowPatternTest, AWindowsOwnWordingReplacesTheStandardMessages) {
  ListMessages messages;
  messages.selectToChange = QStringLiteral("変更する項目を選択して下さい。");
  messages.atTop = QStringLiteral("これ以上上に移動することは出来ません。");
  Build(FirstRow::Free, messages);
  pattern_->Change();
  Select(0);
  pattern_->MoveUp();
  EXPECT_EQ(script_.Messages(),
            QStringList({QStringLiteral("変更する項目を選択して下さい。"),
                         QStringLiteral("これ以上上に移動することは出来ません。")}));
}

TEST_F(ListWindowPatternTest, FixedFirstRowIsNeverChangedDeletedOrMoved_NothingMovesAboveIt) {
  Build(FirstRow::Fixed);
  Select(0);
  pattern_->Change();
  pattern_->DoubleClick();
  pattern_->Delete();
  pattern_->MoveUp();
  pattern_->MoveDown();
  Select(1);
  pattern_->MoveUp();
  EXPECT_EQ(script_.Messages(), QStringList({QStringLiteral("この項目は変更できません。"),
                                             QStringLiteral("この項目は変更できません。"),
                                             QStringLiteral("この項目は削除できません。"),
                                             QStringLiteral("この項目は移動できません。"),
                                             QStringLiteral("この項目は移動できません。"),
                                             QStringLiteral("これ以上上に移動できません。")}));
  EXPECT_TRUE(script_.Questions().isEmpty());
  EXPECT_EQ(records_, QStringList({"a", "b", "c"}));
  Select(2);
  pattern_->MoveUp();
  EXPECT_EQ(records_, QStringList({"a", "c", "b"}));
}

}  // namespace
