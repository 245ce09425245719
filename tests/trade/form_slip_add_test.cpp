#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QToolTip>

#include "form_line_note_add.h"
#include "form_line_note_list.h"
#include "list_window_pattern.h"
#include "ss_edit.h"
#include "trade_fixture.h"
#include "ui_test_helpers.h"
#include "window_helpers.h"

namespace {

QStringList RowTexts(const QTableWidget* view, int row) {
  QStringList texts;
  for (int c = 0; c < view->columnCount(); ++c) {
    const QTableWidgetItem* item = view->item(row, c);
    texts << (item != nullptr ? item->text() : QString());
  }
  return texts;
}

void PressEnter(QWidget* widget) {
  PressKey(widget, Qt::Key_Return);
}

QWidget* Focused() {
  return QApplication::focusWidget();
}

using SlipAddTest = TradeFormsTest;

TEST_F(SlipAddTest, ALineIsEnteredWithTheKeyboardAlone) {
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("伝票の追加"));
    EXPECT_EQ(e.EditCustomer->text(), QStringLiteral("山田商店"));
    EXPECT_EQ(e.ComboBoxSlipKind->currentText(), QStringLiteral("出荷"));
    EXPECT_TRUE(e.SsEditPrice->isReadOnly());
    EXPECT_FALSE(e.ComboBoxLineNote->isEnabled());
    ShowActive(&e);
    FocusOn(e.EditSpeedCode);
    TypeText(e.EditSpeedCode, QStringLiteral("1"));
    EXPECT_EQ(e.ListBoxItemSelect->count(), 1);  // only the speed code 12 starts with 1
    PressEnter(e.EditSpeedCode);
    ASSERT_EQ(Focused(), e.ListBoxItemSelect);
    PressEnter(e.ListBoxItemSelect);
    ASSERT_EQ(Focused(), e.SsEditPrice);
    EXPECT_EQ(e.EditItemCode->text(), QStringLiteral("A-1"));
    EXPECT_EQ(e.LabelTanni->text(), QStringLiteral("本"));
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("800"));  // 1,000 at 80 %
    TypeText(e.SsEditPrice, QStringLiteral("812.345"));
    PressEnter(e.SsEditPrice);
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("812.34"));  // two decimals
    ASSERT_EQ(Focused(), e.SsEditNum);
    TypeText(e.SsEditNum, QStringLiteral("3"));
    EXPECT_EQ(e.SsEditNumXPrice->text(), QStringLiteral("2,437"));  // 2,437.02 half up
    PressEnter(e.SsEditNum);
    ASSERT_EQ(Focused(), e.ComboBoxLineNote);
    TypeText(e.ComboBoxLineNote, QStringLiteral("至急"));
    PressEnter(e.ComboBoxLineNote);
    ASSERT_EQ(Focused(), e.ButtonLineAdd);
    PressEnter(e.ButtonLineAdd);
    EXPECT_EQ(Focused(), e.EditSpeedCode);
    ASSERT_EQ(e.ListViewSlipLines->rowCount(), 1);
    EXPECT_EQ(RowTexts(e.ListViewSlipLines, 0),
              QStringList({"A-1", "鉛筆", "812.34", "3", "2,437", "至急"}));
    EXPECT_EQ(e.ComboBoxLineNote->count(), 0);  // typing adds no phrase
    EXPECT_EQ(e.CurrentItem(), -1);
    e.ButtonOk->click();
  });
  list.ButtonAddSlipClick();

  ASSERT_EQ(doc_.slips.Count(), 1);
  const Slip& slip = doc_.slips.Get(0);
  EXPECT_EQ(slip.kind, kShipmentSlip);
  EXPECT_EQ(slip.partner, kYamada);
  EXPECT_EQ(slip.date, DatePart(Today()));
  ASSERT_EQ(slip.LineCount(), 1);
  EXPECT_EQ(slip.GetLine(0),
            (SlipLine{kPencil, MoneyFromText("812.34"), Money::FromInt(3), Sjis("至急")}));
  // 2,437 plus 5 % tax is 2,558.85, half up.
  ASSERT_EQ(list.ListViewSlipList->rowCount(), 1);
  EXPECT_EQ(list.ListViewSlipList->item(0, 2)->text(), QStringLiteral("2,559"));
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("2,559"));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 0);
  EXPECT_EQ(list.ListViewSlipDetail->rowCount(), 1);
}

TEST_F(SlipAddTest, ASelectedLineIsReplacedAndAnotherProductAppendsKeepingRemarksAsTyped) {
  const int32_t id = StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 5), "33.33", "3", kEraser,
                               "1,000円引(特価)");
  // The entry window last served Yamada, who rounds half up.
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.AnswerYes();
  script_.ExpectModal(DialogScript::Reject);
  list.ButtonAddSlipClick();
  list.TabControlCustomerList->setCurrentIndex(kSato);
  SelectViewRow(list.ListViewSlipList, 0);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("伝票の編集"));
    // 99.99 truncated: the partner's own rounding, whatever was shown before.
    EXPECT_EQ(RowTexts(e.ListViewSlipLines, 0),
              QStringList({"B-2", "消しゴム", "33.33", "3", "99", "1,000円引(特価)"}));
    SelectViewRow(e.ListViewSlipLines, 0);
    EXPECT_EQ(e.EditItemName->text(), QStringLiteral("消しゴム"));
    EXPECT_EQ(e.ComboBoxLineNote->currentText(), QStringLiteral("1,000円引(特価)"));
    EXPECT_FALSE(e.SsEditNum->isReadOnly());
    e.SsEditNum->setText(QStringLiteral("4"));
    e.ButtonLineAdd->click();
    ASSERT_EQ(e.ListViewSlipLines->rowCount(), 1);
    // Stored as the partner's decimals allow: none.
    EXPECT_EQ(RowTexts(e.ListViewSlipLines, 0),
              QStringList({"B-2", "消しゴム", "33", "4", "132", "1,000円引(特価)"}));

    SelectViewRow(e.ListViewSlipLines, 0);
    e.ListBoxItemSelect->setCurrentRow(0);  // another product drops the line selection
    EXPECT_EQ(SelectedViewRow(e.ListViewSlipLines), -1);
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("1,000"));
    EXPECT_EQ(e.SsEditNum->text(), QStringLiteral("0"));
    e.SsEditNum->setText(QStringLiteral("2"));
    e.ComboBoxLineNote->setEditText(QStringLiteral("(税込)"));
    e.ButtonLineAdd->click();
    ASSERT_EQ(e.ListViewSlipLines->rowCount(), 2);
    EXPECT_EQ(RowTexts(e.ListViewSlipLines, 1),
              QStringList({"A-1", "鉛筆", "1,000", "2", "2,000", "(税込)"}));
    e.ButtonOk->click();
  });
  list.ButtonEditSlipClick();

  const Slip* slip = doc_.slips.Find(id);
  ASSERT_NE(slip, nullptr);
  ASSERT_EQ(slip->LineCount(), 2);
  EXPECT_EQ(slip->GetLine(0).note, Sjis("1,000円引(特価)"));
  EXPECT_EQ(slip->GetLine(0).quantity, Money::FromInt(4));
  EXPECT_EQ(slip->GetLine(1).note, Sjis("(税込)"));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 0);
}

// The price and quantity are stored as the partner's decimals allow even when typed and
// never left; the amount is rounded by the partner's method, or the company's when the
// partner follows the company.
TEST_F(SlipAddTest, DecimalsAndRoundingComeFromThePartnerOrTheCompany) {
  struct Case {
    int32_t partner;
    const char* defaultPrice;  // of the eraser, 33.33 at the partner's rate
    const char* price;
    const char* quantity;
    const char* amount;
  };
  const Case cases[] = {
      {kYamada, "26.66", "12.759", "2.759", "35"},  // 12.75 x 2.75 = 35.06, half up
      {kSato, "33", "12.759", "2.759", "24"},       // 12 x 2, truncated
      {kSuzuki, "33.3", "12.759", "2.759", "35"},   // 12.7 x 2.7 = 34.29, up
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.partner);
    doc_.slips.Clear();
    TFormSlipList& list = List(kShipmentSlip, c.partner);
    script_.ExpectModal<TFormSlipAdd>([&c](TFormSlipAdd& e) {
      e.ListBoxItemSelect->setCurrentRow(1);
      EXPECT_EQ(e.SsEditPrice->text(), QString::fromLatin1(c.defaultPrice));
      e.SsEditPrice->setText(QString::fromLatin1(c.price));
      e.SsEditNum->setText(QString::fromLatin1(c.quantity));
      e.ButtonLineAdd->click();
      EXPECT_EQ(e.ListViewSlipLines->item(0, 4)->text(), QString::fromLatin1(c.amount));
      e.ButtonOk->click();
    });
    list.ButtonAddSlipClick();
    ASSERT_EQ(doc_.slips.Count(), 1);
    const TFormSlipAdd& entry = *Forms().As<TFormSlipAdd>(FormId::SlipAdd);
    const SlipLine line = doc_.slips.Get(0).GetLine(0);
    EXPECT_EQ(line.price, TruncDecimals(entry.Decimals(), MoneyFromText(c.price)));
    EXPECT_EQ(line.quantity, TruncDecimals(entry.Decimals(), MoneyFromText(c.quantity)));
  }
}

TEST_F(SlipAddTest, DeletingLinesAsksAndAnEmptySlipCannotBeStoredNorACancelledOneChanged) {
  const int32_t id = StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 4, 5), "100", "1");
  const Slip before = *doc_.slips.Find(id);
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  SelectViewRow(list.ListViewSlipList, 0);
  script_.AnswerNo();   // delete the line? no
  script_.AnswerYes();  // delete the line? yes
  script_.AnswerNo();   // discard the entries? no
  script_.AnswerYes();  // discard the entries? yes
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    e.ButtonLineDelete->click();
    SelectViewRow(e.ListViewSlipLines, 0);
    e.ButtonLineDelete->click();
    EXPECT_EQ(e.ListViewSlipLines->rowCount(), 1);
    e.ButtonLineDelete->click();
    EXPECT_EQ(e.ListViewSlipLines->rowCount(), 0);
    EXPECT_TRUE(e.ComboBoxLineNote->isEnabled());  // only cleared after a delete
    e.ButtonOk->click();
    EXPECT_TRUE(e.isVisible());
    PressKey(e.ListViewSlipLines, Qt::Key_Escape);
    EXPECT_TRUE(e.isVisible());
    e.ButtonCancel->click();
    EXPECT_FALSE(e.isVisible());
  });
  list.ButtonEditSlipClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"削除する行を選択してください。", "伝票内容が入力されていません。"}));
  EXPECT_EQ(script_.Questions(),
            QStringList({"選択中の行を削除します。\r\nよろしいですか？",
                         "選択中の行を削除します。\r\nよろしいですか？",
                         "入力内容を破棄して伝票リスト画面に戻ります。\r\nよろしいですか？",
                         "入力内容を破棄して伝票リスト画面に戻ります。\r\nよろしいですか？"}));
  EXPECT_EQ(*doc_.slips.Find(id), before);
}

TEST_F(SlipAddTest, RemarkPhrasesEditedFromTheEntryAreOfferedAndTheTypedRemarkStays) {
  doc_.lineNotes.Add(Sjis("代引"));
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.ExpectModal<TFormSlipAdd>([this](TFormSlipAdd& e) {
    EXPECT_EQ(e.ComboBoxLineNote->count(), 1);
    EXPECT_EQ(e.ComboBoxLineNote->currentText(), QString());
    e.ListBoxItemSelect->setCurrentRow(0);
    e.ComboBoxLineNote->setEditText(QStringLiteral("午前着"));
    script_.ExpectModal<TFormLineNoteList>([this](TFormLineNoteList& notes) {
      script_.ExpectModal<TFormLineNoteAdd>([](TFormLineNoteAdd& add) {
        add.EditLineNote->setText(QStringLiteral("至急"));
        add.ButtonOk->click();
      });
      notes.ButtonAddLineNoteClick();
      notes.ButtonOk->click();
    });
    e.ButtonLineNote->click();
    EXPECT_EQ(e.ComboBoxLineNote->count(), 2);
    EXPECT_EQ(e.ComboBoxLineNote->itemText(1), QStringLiteral("至急"));
    EXPECT_EQ(e.ComboBoxLineNote->currentText(), QStringLiteral("午前着"));
    e.ComboBoxLineNote->setCurrentIndex(1);
    e.ButtonLineAdd->click();
    e.ButtonOk->click();
  });
  list.ButtonAddSlipClick();
  ASSERT_EQ(doc_.slips.Count(), 1);
  EXPECT_EQ(doc_.slips.Get(0).GetLine(0).note, Sjis("至急"));
  EXPECT_EQ(doc_.lineNotes.Strings().back(), Sjis("至急"));
}

TEST_F(SlipAddTest, AReturnIsStoredAsOneAndEditedAsOne) {
  TFormSlipList& list = List(kPurchaseSlip);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    EXPECT_EQ(e.ComboBoxSlipKind->itemText(0), QStringLiteral("仕入"));
    e.ComboBoxSlipKind->setCurrentIndex(1);
    e.EditSlipCode->setText(QStringLiteral("R-1"));
    e.EditSlipNote->setText(QStringLiteral("破損"));
    e.ListBoxItemSelect->setCurrentRow(0);
    e.SsEditNum->setText(QStringLiteral("2"));
    e.ButtonLineAdd->click();
    e.ButtonOk->click();
  });
  list.ButtonAddSlipClick();
  ASSERT_EQ(doc_.slips.Count(), 1);
  EXPECT_EQ(doc_.slips.Get(0).kind, kPurchaseReturnSlip);
  EXPECT_EQ(doc_.slips.Get(0).number, "R-1");
  EXPECT_EQ(doc_.slips.Get(0).note, Sjis("破損"));
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("-2,100"));  // 2,000 and 5 %, returned

  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    EXPECT_EQ(e.ComboBoxSlipKind->currentText(), QStringLiteral("返品"));
    EXPECT_EQ(e.EditSlipCode->text(), QStringLiteral("R-1"));
    EXPECT_EQ(e.EditSlipNote->text(), QStringLiteral("破損"));
    e.ButtonOk->click();
  });
  list.ListViewSlipListDblClick();
  EXPECT_EQ(doc_.slips.Get(0).kind, kPurchaseReturnSlip);
}

TEST_F(SlipAddTest, AmountsBeyondTheRangeAreRefusedAndLeaveTheDocumentAsItWas) {
  // 500,000,000,000,000 yen and its tax fit; twice that does not.
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 5), "500000000000000", "1");
  TFormSlipList& list = List(kShipmentSlip, kSato);
  ASSERT_EQ(list.ListViewSlipList->rowCount(), 1);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    e.ListBoxItemSelect->setCurrentRow(0);
    e.SsEditPrice->setText(QStringLiteral("500000000000000"));
    e.SsEditNum->setText(QStringLiteral("2"));  // the line alone is too large
    EXPECT_EQ(e.SsEditNum->text(), QStringLiteral("0"));
    EXPECT_EQ(e.SsEditNumXPrice->text(), QStringLiteral("0"));
    e.SsEditNum->setText(QStringLiteral("1"));
    e.ButtonLineAdd->click();
    e.ButtonOk->click();  // the slip alone fits, the partner's total does not
  });
  list.ButtonAddSlipClick();
  EXPECT_EQ(script_.Messages(), QStringList{"金額が大きすぎるため計算できません。"});
  EXPECT_EQ(doc_.slips.Count(), 1);
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 1);
}

// A damaged but readable file may name a product that no longer exists.
TEST_F(SlipAddTest, AMissingProductShowsBlankAndNothingIsPickedFromAnEmptySelection) {
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 5), "10", "3", 99, "x");
  TFormSlipList& list = List(kShipmentSlip, kSato);
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("30"));  // and no tax
  SelectViewRow(list.ListViewSlipList, 0);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    EXPECT_EQ(RowTexts(e.ListViewSlipLines, 0), QStringList({"", "", "10", "3", "30", "x"}));
    SelectViewRow(e.ListViewSlipLines, 0);
    EXPECT_EQ(e.EditItemCode->text(), QString());
    EXPECT_EQ(e.LabelTanni->text(), QString());
    EXPECT_EQ(e.CurrentItem(), 99);
    e.ListViewSlipLines->clearSelection();
    e.EditSpeedCode->setText(QStringLiteral("9"));  // no product
    EXPECT_EQ(e.ListBoxItemSelect->count(), 0);
    e.ListBoxItemSelectClick();
    e.ButtonLineAdd->click();
    EXPECT_EQ(e.CurrentItem(), -1);
    EXPECT_EQ(e.ListViewSlipLines->rowCount(), 1);
    e.ButtonOk->click();
  });
  list.ButtonEditSlipClick();
  EXPECT_EQ(doc_.slips.Get(0).LineCount(), 1);
}

// Enter walks the slip in reading order; amounts take a sign or point first; the remark
// refuses what CP932 cannot hold and keeps ¥ as 0x5C.
TEST_F(SlipAddTest, EnterWalksTheSlipAndALineTakesNegativeAmountsAndOnlyStorableRemarks) {
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    ShowActive(&e);
    FocusOn(e.DateTimePickerDate);
    // Enter in the product list takes the product under the cursor (鉛筆, 800).
    EXPECT_EQ(WalkWithEnter(5), (QStringList{"EditSlipCode", "ComboBoxSlipKind", "EditSpeedCode",
                                             "ListBoxItemSelect", "SsEditPrice"}));
    e.SsEditPrice->selectAll();
    EXPECT_EQ(TextsWhileTyping(e.SsEditPrice, QStringLiteral("-5000")),
              (QStringList{"-", "-5", "-50", "-500", "-5000"}));
    EXPECT_EQ(WalkWithEnter(1), QStringList{"SsEditNum"});
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("-5,000"));
    e.SsEditNum->selectAll();
    EXPECT_EQ(TextsWhileTyping(e.SsEditNum, QStringLiteral("-.5")),
              (QStringList{"-", "-.", "-.5"}));
    EXPECT_EQ(e.SsEditNumXPrice->text(), QStringLiteral("2,500"));
    EXPECT_EQ(WalkWithEnter(1), QStringList{"ComboBoxLineNote"});
    EXPECT_EQ(e.SsEditNum->text(), QStringLiteral("-0.5"));
    QToolTip::hideText();
    TypeText(e.ComboBoxLineNote, QStringLiteral("至😀急¥"));
    EXPECT_EQ(e.ComboBoxLineNote->currentText(), QStringLiteral("至急¥"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("「😀」は使用できません"));
    EXPECT_EQ(WalkWithEnter(1), QStringList{"ButtonLineAdd"});
    PressKey(e.ButtonLineAdd, Qt::Key_Tab);
    EXPECT_EQ(Focused(), e.ListViewSlipLines);
    EXPECT_EQ(WalkWithEnter(2), (QStringList{"EditSlipNote", "ButtonOk"}));
    PressKey(e.ButtonOk, Qt::Key_Tab);
    EXPECT_EQ(Focused(), e.ButtonCancel);
    // 入力 by Enter stores the line and starts the next one at the speed code.
    FocusOn(e.ButtonLineAdd);
    EXPECT_EQ(WalkWithEnter(1), QStringList{"EditSpeedCode"});
    e.ButtonOk->click();
  });
  list.ButtonAddSlipClick();

  ASSERT_EQ(doc_.slips.Count(), 1);
  ASSERT_EQ(doc_.slips.Get(0).LineCount(), 1);
  EXPECT_EQ(doc_.slips.Get(0).GetLine(0),
            (SlipLine{kPencil, Money::FromInt(-5000), MoneyFromText("-0.5"), Sjis("至急") + "\\"}));
}

}  // namespace

// The product names stand in even columns, a third of the box each or as wide as the
// widest name: a short first name must not cut the longer ones, nor a long name be cut.
TEST_F(SlipAddTest, TheProductSelectionShowsWholeNamesInEvenColumns) {
  doc_.items.Add("C-3", Sjis("ボールペン黒細字"), "", Sjis("本"), "150", "90", "3", "", 0, 0, 0, 0);
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.ExpectModal<TFormSlipAdd>([this](TFormSlipAdd& e) {
    ShowActive(&e);
    QListWidget* box = e.ListBoxItemSelect;
    const auto cellsHoldTheirNames = [box](int least) {
      ASSERT_GT(box->count(), 0);
      const int width = box->visualItemRect(box->item(0)).width();
      EXPECT_GE(width, least);
      for (int row = 0; row < box->count(); ++row) {
        EXPECT_EQ(box->visualItemRect(box->item(row)).width(), width) << row;
        EXPECT_GT(width, box->fontMetrics().horizontalAdvance(box->item(row)->text())) << row;
      }
    };
    ASSERT_EQ(box->count(), 3);
    cellsHoldTheirNames(box->viewport()->width() / 3);
    e.resize(e.width() + 300, e.height());
    QApplication::processEvents();
    cellsHoldTheirNames(box->viewport()->width() / 3);
    // A name wider than a third of the box widens every column instead of being cut.
    doc_.items.Add("D-4", Sjis("替芯０．５ｍｍ黒赤青緑紫橙桃茶灰白金銀の十六色詰め合わせ"), "",
                   Sjis("箱"), "900", "500", "4", "", 0, 0, 0, 0);
    e.EditSpeedCode->setText(QStringLiteral("4"));
    e.EditSpeedCode->clear();
    ASSERT_EQ(box->count(), 4);
    cellsHoldTheirNames(box->fontMetrics().horizontalAdvance(box->item(3)->text()));
    e.reject();
  });
  script_.AnswerYes();  // leave the empty slip
  list.ButtonAddSlipClick();
}
