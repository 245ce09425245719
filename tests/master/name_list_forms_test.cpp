#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>

#include "form_group_add.h"
#include "form_group_list.h"
#include "form_line_note_add.h"
#include "form_line_note_list.h"
#include "form_tanni_add.h"
#include "form_tanni_list.h"
#include "list_window_pattern.h"
#include "master_fixture.h"
#include "ui_test_helpers.h"

namespace {

class NameListFormsTest : public MasterFormsTest {
 protected:
  TFormGroupList& Groups() { return Form<TFormGroupList>(FormId::GroupList); }
  TFormTanniList& Units() { return Form<TFormTanniList>(FormId::TanniList); }
  TFormLineNoteList& Notes() { return Form<TFormLineNoteList>(FormId::LineNoteList); }

  // The entry window takes the text and is closed with OK.
  template <class Entry>
  void EnterText(const QString& text, QString* caption = nullptr, QString* shown = nullptr) {
    script_.ExpectModal<Entry>([=](Entry& entry) {
      if (caption != nullptr) *caption = entry.windowTitle();
      QLineEdit* edit = entry.template findChild<QLineEdit*>();
      if (shown != nullptr) *shown = edit->text();
      edit->setText(text);
      entry.ButtonOk->click();
    });
  }

  static QStringList Rows(const QListWidget* box) {
    QStringList rows;
    for (int i = 0; i < box->count(); ++i) rows << box->item(i)->text();
    return rows;
  }

  void AddGroups(int part, std::initializer_list<const char*> names) {
    for (const char* name : names) doc_.groups[part].Add(Sjis(QString::fromUtf8(name)));
  }
};

TEST_F(NameListFormsTest, FixedNoneEntryOfEveryTabIsNeverChangedDeletedOrMoved) {
  TFormGroupList& form = Groups();
  for (int part = 0; part < 3; ++part) AddGroups(part, {"食品", "雑貨"});
  form.show();
  for (int tab = 0; tab < 3; ++tab) {
    form.TabControlLists->setCurrentIndex(tab);
    ASSERT_EQ(form.ListBoxGroupList->item(0)->text(), QStringLiteral("指定なし"));
    form.ListBoxGroupList->setCurrentRow(0);
    form.ButtonEditGroupClick();
    form.ListBoxGroupListDblClick();
    form.ButtonDeleteGroupClick();
    form.ButtonIndexUpClick();
    form.ButtonIndexDownClick();
    form.ListBoxGroupList->setCurrentRow(1);
    form.ButtonIndexUpClick();
  }
  const QStringList perTab = {"この項目は変更できません。", "この項目は変更できません。",
                              "この項目は削除できません。", "この項目は移動できません。",
                              "この項目は移動できません。", "これ以上上に移動できません。"};
  EXPECT_EQ(script_.Messages(), perTab + perTab + perTab);
  EXPECT_TRUE(script_.Questions().isEmpty());
  for (int part = 0; part < 3; ++part) {
    EXPECT_EQ(doc_.groups[part].Get(0).name, kGroupNoneName);
    EXPECT_EQ(doc_.groups[part].Count(), 3);
  }
}

TEST_F(NameListFormsTest, TabsShowTheirOwnListAndActionsWorkOnIt) {
  AddGroups(0, {"食品"});
  AddGroups(1, {"国産", "輸入"});
  TFormGroupList& form = Groups();
  form.show();
  form.TabControlLists->setCurrentIndex(1);
  EXPECT_EQ(Rows(form.ListBoxGroupList), QStringList({"指定なし", "国産", "輸入"}));
  form.ListBoxGroupList->setCurrentRow(2);
  form.ButtonIndexUpClick();
  EXPECT_EQ(Text(doc_.groups[1].Get(1).name), QStringLiteral("輸入"));
  EXPECT_EQ(doc_.groups[1].Get(1).id, 2);  // ids travel with their entries
  EXPECT_EQ(form.ListBoxGroupList->currentRow(), 1);
  EXPECT_EQ(doc_.groups[0].Count(), 2);

  // The tab stays as it was when the window is shown again.
  form.hide();
  form.show();
  EXPECT_EQ(form.TabControlLists->currentIndex(), 1);
  EXPECT_EQ(Rows(form.ListBoxGroupList), QStringList({"指定なし", "輸入", "国産"}));
}

TEST_F(NameListFormsTest, AddAppendsWithNewIdAndRenameKeepsTheId) {
  TFormGroupList& form = Groups();
  form.show();
  form.TabControlLists->setCurrentIndex(2);
  QString caption;
  EnterText<TFormGroupAdd>(QStringLiteral("春物"), &caption);
  form.ButtonAddGroupClick();
  EXPECT_EQ(caption, QStringLiteral("分類の追加"));
  ASSERT_EQ(doc_.groups[2].Count(), 2);
  EXPECT_EQ(Text(doc_.groups[2].Get(1).name), QStringLiteral("春物"));
  EXPECT_EQ(form.ListBoxGroupList->currentRow(), 1);

  QString shown;
  EnterText<TFormGroupAdd>(QStringLiteral("夏物"), &caption, &shown);
  form.ButtonEditGroupClick();
  EXPECT_EQ(caption, QStringLiteral("分類の編集"));
  EXPECT_EQ(shown, QStringLiteral("春物"));
  EXPECT_EQ(doc_.groups[2].Get(1).id, 1);
  EXPECT_EQ(Text(doc_.groups[2].Get(1).name), QStringLiteral("夏物"));
  EXPECT_EQ(form.ListBoxGroupList->currentRow(), 1);

  // Cancel changes nothing.
  script_.ExpectModal<TFormGroupAdd>([](TFormGroupAdd& entry) { entry.ButtonCancel->click(); });
  form.ButtonAddGroupClick();
  EXPECT_EQ(doc_.groups[2].Count(), 2);
}

TEST_F(NameListFormsTest, UsedClassificationIsRefusedAfterTheQuestion) {
  AddGroups(1, {"国産", "輸入"});
  doc_.items.Add("", Sjis(QStringLiteral("米")), "", "", "0", "0", "", "", 0, 0, 2, 0);
  TFormGroupList& form = Groups();
  form.show();
  // The same id in another classification does not count.
  form.TabControlLists->setCurrentIndex(0);
  EXPECT_EQ(form.ListBoxGroupList->count(), 1);

  form.TabControlLists->setCurrentIndex(1);
  form.ListBoxGroupList->setCurrentRow(2);
  script_.AnswerYes();
  form.ButtonDeleteGroupClick();
  EXPECT_EQ(script_.Questions(), QStringList{"削除します。よろしいですか？"});
  EXPECT_EQ(script_.Messages(),
            QStringList{"この項目は既に商品リストで使用中のため、削除することが出来ません。"});
  EXPECT_EQ(doc_.groups[1].Count(), 3);

  form.ListBoxGroupList->setCurrentRow(1);
  script_.AnswerYes();
  form.ButtonDeleteGroupClick();
  EXPECT_EQ(Rows(form.ListBoxGroupList), QStringList({"指定なし", "輸入"}));
  EXPECT_EQ(form.ListBoxGroupList->currentRow(), 1);
}

TEST_F(NameListFormsTest, DeletingTheLastRowSelectsTheNewLast_TheOnlyRowLeavesNoSelection) {
  doc_.units.Add(Sjis(QStringLiteral("個")));
  doc_.units.Add(Sjis(QStringLiteral("箱")));
  doc_.items.Add("", Sjis(QStringLiteral("米")), "", Sjis(QStringLiteral("箱")), "0", "0", "", "",
                 0, 0, 0, 0);
  TFormTanniList& form = Units();
  form.show();
  form.ListBoxTanniList->setCurrentRow(1);
  script_.AnswerYes();
  form.ButtonDeleteTanniClick();  // in use by a product, which keeps its text
  EXPECT_EQ(form.ListBoxTanniList->currentRow(), 0);
  EXPECT_TRUE(form.ListBoxTanniList->item(0)->isSelected());
  script_.AnswerYes();
  form.ButtonDeleteTanniClick();
  EXPECT_EQ(form.ListBoxTanniList->count(), 0);
  EXPECT_TRUE(form.ListBoxTanniList->selectedItems().isEmpty());
  EXPECT_EQ(doc_.units.Count(), 0);
  EXPECT_EQ(Text(doc_.items.Get(0).unit), QStringLiteral("箱"));
  EXPECT_TRUE(script_.Messages().isEmpty());
}

TEST_F(NameListFormsTest, BlanksOnlyAreRefusedAndLeadingBlanksStored) {
  TFormTanniList& form = Units();
  form.show();
  script_.ExpectModal<TFormTanniAdd>([this](TFormTanniAdd& entry) {
    entry.EditName->setText(QStringLiteral(" 　 "));
    entry.ButtonOk->click();
    EXPECT_TRUE(entry.isVisible());
    EXPECT_EQ(script_.Messages(), QStringList{"単位名称を入力してください。"});
    entry.EditName->setText(QStringLiteral(" ケース"));
    entry.ButtonOk->click();
  });
  form.ButtonAddTanniClick();
  ASSERT_EQ(doc_.units.Count(), 1);
  EXPECT_EQ(Text(doc_.units.Strings()[0]), QStringLiteral(" ケース"));
}

TEST_F(NameListFormsTest, EnterInTheEditPressesOk) {
  TFormGroupList& form = Groups();
  form.show();
  script_.ExpectModal<TFormGroupAdd>([this](TFormGroupAdd& entry) {
    PressKey(entry.EditName, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_TRUE(entry.isVisible());
    EXPECT_EQ(script_.Messages(), QStringList{"分類名を入力してください。"});
    entry.EditName->setText(QStringLiteral("冬物"));
    PressKey(entry.EditName, Qt::Key_Return, Qt::NoModifier, "\r");
  });
  form.ButtonAddGroupClick();
  EXPECT_EQ(Text(doc_.groups[0].Get(1).name), QStringLiteral("冬物"));
}

TEST_F(NameListFormsTest, EscClosesClassificationAndUnitEntryAndTheListsButNotRemarkEntry) {
  Groups().show();
  script_.ExpectModal<TFormGroupAdd>([](TFormGroupAdd& entry) {
    entry.EditName->setText(QStringLiteral("x"));
    PressKey(entry.EditName, Qt::Key_Escape);
  });
  Groups().ButtonAddGroupClick();
  Units().show();
  script_.ExpectModal<TFormTanniAdd>(
      [](TFormTanniAdd& entry) { PressKey(entry.EditName, Qt::Key_Escape); });
  Units().ButtonAddTanniClick();
  Notes().show();
  script_.ExpectModal<TFormLineNoteAdd>([](TFormLineNoteAdd& entry) {
    PressKey(entry.EditLineNote, Qt::Key_Escape);
    EXPECT_TRUE(entry.isVisible());
    entry.ButtonCancel->click();
  });
  Notes().ButtonAddLineNoteClick();
  // A list window is left with Esc as with its 戻る.
  PressKey(Notes().ListBoxLineNoteList, Qt::Key_Escape);
  EXPECT_FALSE(Notes().isVisible());
  EXPECT_EQ(doc_.groups[0].Count(), 1);
  EXPECT_EQ(doc_.units.Count(), 0);
  EXPECT_EQ(doc_.lineNotes.Count(), 0);
}

TEST_F(NameListFormsTest, RemarkPhrasesMoveByExchangeAndUseTheirOwnWording) {
  for (const char* note : {"至急", "代引", "返品可"}) doc_.lineNotes.Add(Sjis(note));
  TFormLineNoteList& form = Notes();
  form.show();
  form.ButtonEditNoteListClick();
  form.ListBoxLineNoteList->setCurrentRow(0);
  form.ButtonIndexUpClick();
  form.ButtonIndexDownClick();
  EXPECT_EQ(Rows(form.ListBoxLineNoteList), QStringList({"代引", "至急", "返品可"}));
  form.ButtonIndexDownClick();
  form.ButtonIndexDownClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"変更する項目を選択して下さい。", "これ以上上に移動することは出来ません。",
                         "これ以上下に移動することは出来ません。"}));
  EXPECT_EQ(Text(doc_.lineNotes.Strings()[2]), QStringLiteral("至急"));

  QString caption;
  EnterText<TFormLineNoteAdd>(QStringLiteral("要冷蔵"), &caption);
  form.ListBoxLineNoteListDblClick();
  EXPECT_EQ(caption, QStringLiteral("備考リストの変更"));
  EXPECT_EQ(Text(doc_.lineNotes.Strings()[2]), QStringLiteral("要冷蔵"));
}

TEST_F(NameListFormsTest, UnitsMoveWithTheirStandardWording) {
  for (const char* unit : {"個", "箱"}) doc_.units.Add(Sjis(unit));
  TFormTanniList& form = Units();
  form.show();
  form.ListBoxTanniList->setCurrentRow(1);
  form.ButtonIndexDownClick();
  form.ButtonIndexUpClick();
  EXPECT_EQ(Text(doc_.units.Strings()[0]), QStringLiteral("箱"));
  form.ButtonIndexUpClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"これ以上下に移動できません。", "これ以上上に移動できません。"}));
}

}  // namespace
