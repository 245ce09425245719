#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

#include "form_group_add.h"
#include "form_group_list.h"
#include "form_item_add.h"
#include "form_item_list.h"
#include "item_row.h"
#include "list_find.h"
#include "list_window_pattern.h"
#include "master_fixture.h"
#include "radio_group.h"
#include "ss_edit.h"
#include "ui_test_helpers.h"

namespace {

class ItemFormsTest : public MasterFormsTest {
 protected:
  TFormItemList& List() { return Form<TFormItemList>(FormId::ItemList); }

  void AddProduct(const char* name, const char* price = "0") {
    doc_.items.Add("", Sjis(QString::fromUtf8(name)), "", "", price, "0", "", "", 0, 0, 0, 0);
  }

  static void Fill(TFormItemAdd& entry, const QString& code, const QString& name) {
    entry.EditItemCode->setText(code);
    entry.EditName->setText(name);
  }

  QStringList Names() const {
    QStringList names;
    for (const ItemRecord& item : doc_.items.Records()) names << Text(item.name);
    return names;
  }

  static QString Cell(const QTableWidget* view, int row, int column) {
    return view->item(row, column)->text();
  }
};

TEST(ItemRow, ShowsAmountsTaxClassAndClassificationNames) {
  std::array<GroupList, 3> groups;
  groups[2].Add(TextBytes(QStringLiteral("春物")));
  ItemRecord item;
  item.code = "A-1";
  item.price = Money::FromRaw(12345000);
  item.cost = Money::FromRaw(10000000);
  item.taxClass = 2;
  item.group3 = 1;
  item.id = 4;
  const QStringList row = ItemRowTexts(item, groups, {});
  ASSERT_EQ(row.size(), 11);
  EXPECT_EQ(row[0], QStringLiteral("A-1"));
  EXPECT_EQ(row[3], QStringLiteral("1,234.5"));
  EXPECT_EQ(row[4], QStringLiteral("1,000"));
  EXPECT_EQ(row[6], QStringLiteral("非課税"));
  EXPECT_EQ(row[8], QStringLiteral("指定なし"));
  EXPECT_EQ(row[10], QStringLiteral("春物"));
  // An entry that has gone (a damaged file) shows nothing instead of failing.
  item.group2 = 9;
  EXPECT_EQ(ItemRowTexts(item, groups, {})[9], QString());
  // A reduced-rate product is marked after its tax class, and only that one.
  item.taxClass = 0;
  EXPECT_EQ(ItemRowTexts(item, groups, {3, 4})[6], QStringLiteral("税抜※"));
  EXPECT_EQ(ItemRowTexts(item, groups, {3, 5})[6], QStringLiteral("税抜"));
  // An untaxed product takes no rate at all, so a mark left on it would claim one; the
  // screen and the printed list (which has no room for a fourth character) agree.
  item.taxClass = 2;
  EXPECT_EQ(ItemRowTexts(item, groups, {4})[6], QStringLiteral("非課税"));
}

TEST_F(ItemFormsTest, NewProductStartsEmptyWithZeroAmountsAndNoClassification) {
  doc_.units.Add(Sjis(QStringLiteral("個")));
  doc_.groups[0].Add(Sjis(QStringLiteral("食品")));
  List().show();
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("商品の登録"));
    EXPECT_EQ(entry.ButtonOk->text(), QStringLiteral("登録"));
    EXPECT_TRUE(entry.CheckBoxContinue->isVisible());
    EXPECT_EQ(entry.SsEditPrice->Text(), QStringLiteral("0"));
    EXPECT_EQ(entry.SsEditCost->Text(), QStringLiteral("0"));
    EXPECT_EQ(entry.RadioGroupTax->ItemIndex(), 0);
    EXPECT_EQ(entry.ComboBoxGroup1->currentText(), QStringLiteral("指定なし"));
    EXPECT_EQ(entry.ComboBoxGroup1->count(), 2);
    EXPECT_EQ(entry.ComboBoxTanni->count(), 1);
    EXPECT_EQ(entry.ComboBoxTanni->currentText(), QString());
    entry.ButtonOk->click();  // no name
    EXPECT_TRUE(entry.isVisible());
    EXPECT_EQ(entry.focusWidget(), entry.EditName);
    entry.EditName->setText(QStringLiteral("  "));
    entry.ButtonOk->click();
    EXPECT_TRUE(entry.isVisible());
    entry.ButtonCancel->click();
  });
  List().ButtonAddItemClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"商品名を入力してください。", "商品名を入力してください。"}));
  EXPECT_EQ(doc_.items.Count(), 0);
}

TEST_F(ItemFormsTest, AddStoresTheEnteredValuesAndSelectsTheNewLastRow) {
  AddProduct("既存");
  doc_.groups[1].Add(Sjis(QStringLiteral("国産")));
  List().show();
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    Fill(entry, QStringLiteral("B-7"), QStringLiteral("緑茶"));
    entry.ComboBoxTanni->setEditText(QStringLiteral("本"));  // not in the unit list
    entry.SsEditPrice->setText(QStringLiteral("1,200"));
    entry.ComboBoxGroup2->setCurrentIndex(1);
    entry.RadioGroupTax->SetItemIndex(1);
    entry.ButtonOk->click();
  });
  List().ButtonAddItemClick();
  ASSERT_EQ(doc_.items.Count(), 2);
  const ItemRecord item = doc_.items.Get(1);
  EXPECT_EQ(item.id, 1);
  EXPECT_EQ(Text(item.unit), QStringLiteral("本"));
  EXPECT_EQ(item.price, Money::FromInt(1200));
  EXPECT_EQ(item.taxClass, 1);
  EXPECT_EQ(item.group2, 1);
  EXPECT_EQ(item.group1, 0);
  QTableWidget* view = List().ListViewItemList;
  EXPECT_EQ(view->currentRow(), 1);
  EXPECT_EQ(Cell(view, 1, 1), QStringLiteral("緑茶"));
  EXPECT_EQ(Cell(view, 1, 9), QStringLiteral("国産"));
}

// Completion offers the units of the list; it never changes what was typed, and Enter in
// its pop-up moves on to the price as everywhere else.
TEST_F(ItemFormsTest, UnitIsStoredAsTypedWhateverTheUnitListHolds) {
  doc_.units.Add("kg");
  doc_.units.Add("Kgs");
  for (const QString& typed : {QStringLiteral("KG"), QStringLiteral("K"), QStringLiteral("kg")}) {
    SCOPED_TRACE(typed.toStdString());
    List().show();
    script_.ExpectModal<TFormItemAdd>([typed](TFormItemAdd& entry) {
      Fill(entry, QString(), QStringLiteral("塩"));
      ShowActive(&entry);
      FocusOn(entry.ComboBoxTanni);
      TypeText(entry.ComboBoxTanni->lineEdit(), typed);
      QWidget* popup = entry.ComboBoxTanni->completer()->popup();
      EXPECT_EQ(popup->isVisible(), typed != QStringLiteral("KG"));  // nothing starts so
      PressKey(popup->isVisible() ? popup : entry.ComboBoxTanni->lineEdit(), Qt::Key_Return);
      EXPECT_FALSE(popup->isVisible());
      ASSERT_EQ(QApplication::focusWidget(), entry.SsEditPrice);
      TypeText(entry.SsEditPrice, QStringLiteral("2500"));
      FocusOn(entry.ButtonOk);
      entry.ButtonOk->click();
    });
    List().ButtonAddItemClick();
    EXPECT_EQ(Text(doc_.items.Records().back().unit), typed);
    EXPECT_EQ(doc_.items.Records().back().price, Money::FromInt(2500));
  }
}

TEST_F(ItemFormsTest, ContinuousModeKeepsEveryAddedProductAndDiscardsTheHalfTypedOne) {
  AddProduct("既存");
  List().show();
  script_.ExpectModal<TFormItemAdd>([this](TFormItemAdd& entry) {
    entry.CheckBoxContinue->setChecked(true);
    for (const char* name : {"りんご", "みかん", "ぶどう"}) {
      Fill(entry, QStringLiteral("F"), QString::fromUtf8(name));
      entry.SsEditPrice->setText(QStringLiteral("150"));
      entry.ButtonOk->click();
      ASSERT_TRUE(entry.isVisible());
      // Back to a fresh entry, the tick kept.
      EXPECT_EQ(entry.EditName->text(), QString());
      EXPECT_EQ(entry.SsEditPrice->Text(), QStringLiteral("0"));
      EXPECT_TRUE(entry.CheckBoxContinue->isChecked());
      EXPECT_EQ(entry.focusWidget(), entry.EditItemCode);
    }
    EXPECT_EQ(doc_.items.Count(), 4);
    Fill(entry, QStringLiteral("F"), QStringLiteral("も"));
    entry.ButtonCancel->click();
  });
  List().ButtonAddItemClick();
  EXPECT_EQ(Names(), QStringList({"既存", "りんご", "みかん", "ぶどう"}));
  EXPECT_EQ(doc_.items.Get(3).price, Money::FromInt(150));
  EXPECT_EQ(List().ListViewItemList->rowCount(), 4);
  EXPECT_EQ(List().ListViewItemList->currentRow(), 3);

  // The next showing starts a new series: cancel alone adds nothing and keeps the view.
  SelectViewRow(List().ListViewItemList, 0);
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_TRUE(entry.CheckBoxContinue->isChecked());
    EXPECT_FALSE(entry.AddedInSeries());
    entry.ButtonCancel->click();
  });
  List().ButtonAddItemClick();
  EXPECT_EQ(doc_.items.Count(), 4);
  EXPECT_EQ(List().ListViewItemList->currentRow(), 0);
}

TEST_F(ItemFormsTest, AmountFieldsShowZeroAtOnceAndLeaveWithTwoDecimals) {
  List().show();
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    ShowActive(&entry);
    TSsEdit* price = entry.SsEditPrice;
    price->setText(QStringLiteral("12"));
    price->clear();
    EXPECT_EQ(price->Text(), QStringLiteral("0"));
    price->setText(QStringLiteral("12x"));
    EXPECT_EQ(price->Text(), QStringLiteral("0"));

    FocusOn(price);
    price->selectAll();
    TypeText(price, QStringLiteral("1234.567"));
    FocusOn(entry.SsEditCost);
    EXPECT_EQ(price->Text(), QStringLiteral("1,234.56"));
    FocusOn(price);
    EXPECT_EQ(price->Text(), QStringLiteral("1234.56"));  // plain for editing
    FocusOn(entry.EditSpeedCode);
    entry.EditName->setText(QStringLiteral("砂糖"));
    entry.ButtonOk->click();
  });
  List().ButtonAddItemClick();
  EXPECT_EQ(doc_.items.Get(0).price, Money::FromRaw(12345600));
}

TEST_F(ItemFormsTest, KeyboardAloneWalksEveryFieldAndTypesANegativeCost) {
  doc_.units.Add(Sjis(QStringLiteral("個")));
  doc_.units.Add(Sjis(QStringLiteral("箱")));
  List().show();
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    ShowActive(&entry);
    // The walk through its fields is checked with every window's (window_walk_test.cpp).
    FocusOn(entry.ComboBoxTanni);
    PressKey(entry.ComboBoxTanni, Qt::Key_Down);
    EXPECT_EQ(entry.ComboBoxTanni->currentText(), QStringLiteral("個"));

    FocusOn(entry.SsEditCost);
    TypeText(entry.SsEditCost, QStringLiteral("-5000"));
    FocusOn(entry.SsEditPrice);
    EXPECT_EQ(entry.SsEditCost->Text(), QStringLiteral("-5,000"));
    // A key past what an amount holds is refused; the digits before it stay.
    TypeText(entry.SsEditPrice, QString(20, QLatin1Char('9')));
    FocusOn(entry.SsEditCost);
    EXPECT_EQ(entry.SsEditPrice->Text(), QStringLiteral("99,999,999,999,999"));
    entry.EditName->setText(QStringLiteral("砂糖"));
    entry.ButtonOk->click();
  });
  List().ButtonAddItemClick();
  ASSERT_EQ(doc_.items.Count(), 1);
  EXPECT_EQ(doc_.items.Get(0).cost, Money::FromInt(-5000));
  EXPECT_EQ(doc_.items.Get(0).unit, Sjis(QStringLiteral("個")));
}

TEST_F(ItemFormsTest, EditShowsTheProductAndKeepsItsIdAndPlace) {
  AddProduct("塩", "98.5");
  AddProduct("砂糖");
  doc_.groups[2].Add(Sjis(QStringLiteral("常温")));
  doc_.items.Update(1, "S", Sjis(QStringLiteral("砂糖")), "kana", "", "1234.5", "0", "", "remark",
                    2, 0, 0, 1);
  List().show();
  SelectViewRow(List().ListViewItemList, 1);
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("商品情報の変更"));
    EXPECT_EQ(entry.ButtonOk->text(), QStringLiteral("変更"));
    EXPECT_FALSE(entry.CheckBoxContinue->isVisible());
    EXPECT_EQ(entry.SsEditPrice->Text(), QStringLiteral("1,234.5"));
    EXPECT_EQ(entry.RadioGroupTax->ItemIndex(), 2);
    EXPECT_EQ(entry.ComboBoxGroup3->currentText(), QStringLiteral("常温"));
    EXPECT_EQ(entry.EditNameKana->text(), QStringLiteral("kana"));
    EXPECT_EQ(entry.EditNote->text(), QStringLiteral("remark"));
    entry.EditNameKana->setText(QStringLiteral("kana2"));
    entry.EditName->setText(QStringLiteral("上白糖"));
    entry.ButtonOk->click();
  });
  List().ListViewItemListDblClick();
  ASSERT_EQ(doc_.items.Count(), 2);
  EXPECT_EQ(doc_.items.Get(1).id, 1);
  EXPECT_EQ(Text(doc_.items.Get(1).name), QStringLiteral("上白糖"));
  EXPECT_EQ(doc_.items.Get(1).group3, 1);
  EXPECT_EQ(doc_.items.Get(1).nameKana, "kana2");
  EXPECT_EQ(doc_.items.Get(1).note, "remark");
  EXPECT_EQ(List().ListViewItemList->currentRow(), 1);

  // An edit in between clears the continuous tick.
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_FALSE(entry.CheckBoxContinue->isChecked());
    entry.ButtonCancel->click();
  });
  List().ButtonAddItemClick();
}

TEST_F(ItemFormsTest, UsedProductIsRefusedWithoutAQuestion_UnusedIsAskedThenDeleted) {
  AddProduct("塩");
  AddProduct("砂糖");
  AddProduct("胡椒");
  Slip slip;
  slip.kind = kShipmentSlip;
  slip.AddLine("1", "100", "1", "");
  doc_.slips.Add(slip);
  List().show();
  QTableWidget* view = List().ListViewItemList;
  SelectViewRow(view, 1);
  List().ButtonDeleteItemClick();
  EXPECT_EQ(script_.Messages(),
            QStringList{"この商品は既に伝票に記録されているため削除することが出来ません。"});
  EXPECT_TRUE(script_.Questions().isEmpty());

  SelectViewRow(view, 2);
  script_.AnswerYes();
  List().ButtonDeleteItemClick();
  EXPECT_EQ(script_.Questions(), QStringList{"削除します。よろしいですか？"});
  EXPECT_EQ(Names(), QStringList({"塩", "砂糖"}));
  EXPECT_EQ(view->currentRow(), 1);  // the new last row
}

// The mark is kept by product id beside the list: adding (also in a series), changing and
// deleting keep it in step with the products, and the list shows it.
TEST_F(ItemFormsTest, ReducedTaxBoxMarksTheProductByIdInEveryMode) {
  AddProduct("既存");
  doc_.invoice.reducedItems = {1, 2};  // left from a deleted product: ids the next ones get
  List().show();
  script_.ExpectModal<TFormItemAdd>([this](TFormItemAdd& entry) {
    entry.CheckBoxContinue->setChecked(true);
    EXPECT_FALSE(entry.CheckBoxReducedTax->isChecked());
    Fill(entry, QString(), QStringLiteral("米"));
    entry.CheckBoxReducedTax->setChecked(true);
    entry.ButtonOk->click();
    EXPECT_FALSE(entry.CheckBoxReducedTax->isChecked());  // the next entry starts unmarked
    Fill(entry, QString(), QStringLiteral("洗剤"));
    entry.ButtonOk->click();
    entry.CheckBoxContinue->setChecked(false);
    Fill(entry, QString(), QStringLiteral("茶"));
    entry.RadioGroupTax->SetItemIndex(1);
    entry.CheckBoxReducedTax->setChecked(true);
    entry.ButtonOk->click();
  });
  List().ButtonAddItemClick();
  ASSERT_EQ(Names(), QStringList({"既存", "米", "洗剤", "茶"}));
  EXPECT_EQ(doc_.invoice.reducedItems, (std::set<int32_t>{1, 3}));
  QTableWidget* view = List().ListViewItemList;
  EXPECT_EQ(Cell(view, 0, 6), QStringLiteral("税抜"));
  EXPECT_EQ(Cell(view, 1, 6), QStringLiteral("税抜※"));
  EXPECT_EQ(Cell(view, 2, 6), QStringLiteral("税抜"));
  EXPECT_EQ(Cell(view, 3, 6), QStringLiteral("税込※"));

  SelectViewRow(view, 1);
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_TRUE(entry.CheckBoxReducedTax->isChecked());
    entry.CheckBoxReducedTax->setChecked(false);
    entry.ButtonCancel->click();
  });
  List().ButtonEditItemClick();
  EXPECT_EQ(doc_.invoice.reducedItems, (std::set<int32_t>{1, 3}));  // cancelled
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    entry.CheckBoxReducedTax->setChecked(false);
    entry.ButtonOk->click();
  });
  List().ButtonEditItemClick();
  EXPECT_EQ(doc_.invoice.reducedItems, (std::set<int32_t>{3}));
  EXPECT_EQ(Cell(view, 1, 6), QStringLiteral("税抜"));
  SelectViewRow(view, 2);
  script_.ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
    EXPECT_FALSE(entry.CheckBoxReducedTax->isChecked());
    entry.CheckBoxReducedTax->setChecked(true);
    entry.ButtonOk->click();
  });
  List().ListViewItemListDblClick();
  EXPECT_EQ(doc_.invoice.reducedItems, (std::set<int32_t>{2, 3}));
}

TEST_F(ItemFormsTest, DeletingAProductDropsItsMark) {
  AddProduct("塩");
  AddProduct("米");
  doc_.invoice.reducedItems = {1};
  List().show();
  SelectViewRow(List().ListViewItemList, 1);
  script_.AnswerYes();
  List().ButtonDeleteItemClick();
  EXPECT_TRUE(doc_.invoice.reducedItems.empty());
  // The id comes back with the next product, unmarked.
  AddProduct("砂糖");
  ASSERT_EQ(doc_.items.Get(1).id, 1);
  List().FormShow();
  EXPECT_EQ(Cell(List().ListViewItemList, 1, 6), QStringLiteral("税抜"));
}

// The kana is no column of the list, yet finds its product; the buttons then act on it.
TEST_F(ItemFormsTest, FindingByKanaSelectsTheRowTheButtonsActOn) {
  AddProduct("塩");
  doc_.items.Add("P-7", Sjis(QStringLiteral("油性筆記具")), Sjis(QStringLiteral("ﾎﾞｰﾙﾍﾟﾝ")), "",
                 "0", "0", "", "", 0, 0, 0, 0);
  AddProduct("胡椒");
  AddProduct("ボール紙");
  TFormItemList& list = List();
  ShowActive(&list);
  FocusOn(list.ListViewItemList);
  PressKey(list.ListViewItemList, Qt::Key_F, Qt::ControlModifier);
  ASSERT_EQ(QApplication::focusWidget(), list.FindBar->EditFind);
  TypeText(list.FindBar->EditFind, QStringLiteral("ぼーる"));
  EXPECT_EQ(SelectedViewRow(list.ListViewItemList), 1);
  PressKey(list.FindBar->EditFind, Qt::Key_Return);  // Enter finds, it does not walk on
  EXPECT_EQ(SelectedViewRow(list.ListViewItemList), 3);
  EXPECT_EQ(QApplication::focusWidget(), list.FindBar->EditFind);
  PressKey(list.FindBar->EditFind, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(SelectedViewRow(list.ListViewItemList), 1);
  script_.AnswerYes();
  list.ButtonDeleteItemClick();
  EXPECT_EQ(Names(), QStringList({"塩", "胡椒", "ボール紙"}));
}

TEST_F(ItemFormsTest, MovesStopAtBothEndsAndCarryTheSelection) {
  AddProduct("塩");
  AddProduct("砂糖");
  List().show();
  QTableWidget* view = List().ListViewItemList;
  List().ButtonIndexDownClick();
  SelectViewRow(view, 0);
  List().ButtonIndexUpClick();
  List().ButtonIndexDownClick();
  EXPECT_EQ(Names(), QStringList({"砂糖", "塩"}));
  EXPECT_EQ(view->currentRow(), 1);
  List().ButtonIndexDownClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"下に移動する項目を選択してください。", "これ以上上に移動できません。",
                         "これ以上下に移動できません。"}));
}

TEST_F(ItemFormsTest, ClassificationWindowOpensFromTheListWhichThenShowsNewNames) {
  doc_.groups[0].Add(Sjis(QStringLiteral("食品")));
  doc_.items.Add("", Sjis(QStringLiteral("米")), "", "", "0", "0", "", "", 0, 1, 0, 0);
  List().show();
  script_.ExpectModal<TFormGroupList>([this](TFormGroupList& groups) {
    groups.TabControlLists->setCurrentIndex(0);
    groups.ListBoxGroupList->setCurrentRow(1);
    script_.ExpectModal<TFormGroupAdd>([](TFormGroupAdd& entry) {
      entry.EditName->setText(QStringLiteral("主食"));
      entry.ButtonOk->click();
    });
    groups.ButtonEditGroupClick();
    groups.ButtonOk->click();
  });
  List().ButtonGroupListClick();
  EXPECT_EQ(Cell(List().ListViewItemList, 0, 8), QStringLiteral("主食"));
}

}  // namespace
