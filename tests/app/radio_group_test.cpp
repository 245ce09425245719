#include "radio_group.h"

#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

TEST(RadioGroup, ChoosesByPositionAndCanBeLeftWithoutChoice) {
  RadioGroup group(QStringLiteral("税区分"), {"税抜", "税込", "非課税"}, 3);
  EXPECT_EQ(group.title(), QStringLiteral("税区分"));
  EXPECT_EQ(group.Count(), 3);
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(2);
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_TRUE(group.Button(2)->isChecked());
  group.SetItemIndex(0);
  EXPECT_FALSE(group.Button(2)->isChecked());
  group.SetItemIndex(-1);
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(7);
  EXPECT_EQ(group.ItemIndex(), -1);
  // Still one at a time after being cleared.
  group.SetItemIndex(1);
  group.Button(0)->click();
  EXPECT_EQ(group.ItemIndex(), 0);
  EXPECT_FALSE(group.Button(1)->isChecked());
}

TEST(RadioGroup, ReportsTheNewChoiceOnce) {
  RadioGroup group(QStringLiteral("各種条件の基準"), {"取引先", "自社"}, 2);
  QList<int> changes;
  QObject::connect(&group, &RadioGroup::ItemIndexChanged, [&changes](int i) { changes << i; });
  group.SetItemIndex(0);
  group.Button(1)->click();
  group.Button(1)->click();
  EXPECT_EQ(changes, QList<int>({0, 1}));
}

}  // namespace
