#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

#include "date_convert.h"
#include "form_delivery_print.h"
#include "form_main.h"
#include "form_set_printer.h"
#include "list_find.h"
#include "list_window_pattern.h"
#include "print_forms.h"
#include "ss_edit.h"
#include "trade_fixture.h"
#include "ui_test_helpers.h"

namespace {

QStringList Column(const QTableWidget* view, int column) {
  QStringList texts;
  for (int row = 0; row < view->rowCount(); ++row) texts << view->item(row, column)->text();
  return texts;
}

class SlipListTest : public TradeFormsTest {
 protected:
  // Yamada's shipments, stored out of date order, and one slip of another partner and
  // one of the other mode that must not show.
  void StoreYamadasSlips() {
    StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 4, 10), "1000", "1");      // 1,050
    StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 4, 1), "999", "1");        // 1,048.95
    StoreSlip(kShipmentReturnSlip, kYamada, EncodeDate(2024, 4, 5), "100", "2");  // -210
    StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 5), "5", "1");
    StoreSlip(kPurchaseSlip, kYamada, EncodeDate(2024, 4, 5), "7", "1");
  }

  static void SetPeriod(TFormSlipList& list, const QDate& from, const QDate& to) {
    list.DateTimePickerFrom->setDate(from);
    list.DateTimePickerTo->setDate(to);
  }
};

TEST_F(SlipListTest, ListsThePartnersSlipsByDateWithTotalsIncludingTaxAndReturnsNegative) {
  StoreYamadasSlips();
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  EXPECT_EQ(list.TabControlCustomerList->count(), 3);
  EXPECT_EQ(list.TabControlCustomerList->tabText(0), QStringLiteral("山田商店"));
  EXPECT_EQ(Column(list.ListViewSlipList, 0),
            QStringList({"2024/04/01", "2024/04/05", "2024/04/10"}));
  EXPECT_EQ(Column(list.ListViewSlipList, 2), QStringList({"1,049", "-210", "1,050"}));
  EXPECT_EQ(Column(list.ListViewSlipList, 3), QStringList({"出荷", "返品", "出荷"}));
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("1,889"));
  EXPECT_TRUE(list.SsEditTotal->isEnabled());  // readable, not greyed out
  EXPECT_TRUE(list.SsEditTotal->isReadOnly());
  EXPECT_TRUE(list.ListViewSlipList->isColumnHidden(4));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 2);  // the newest, its lines shown
  EXPECT_EQ(list.ListViewSlipDetail->rowCount(), 1);

  // The period filter, both ends included; the pickers alone change nothing while it is off.
  SetPeriod(list, QDate(2024, 4, 5), QDate(2024, 4, 10));
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 3);
  list.CheckBoxFocus->setChecked(true);
  EXPECT_EQ(Column(list.ListViewSlipList, 0), QStringList({"2024/04/05", "2024/04/10"}));
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("840"));
  SetPeriod(list, QDate(2024, 4, 5), QDate(2024, 4, 5));
  EXPECT_EQ(Column(list.ListViewSlipList, 0), QStringList({"2024/04/05"}));
  list.CheckBoxFocus->setChecked(false);
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 3);

  // Showing again starts without the filter, at today, on the first partner.
  TFormSlipList& again = List(kShipmentSlip);
  EXPECT_FALSE(again.CheckBoxFocus->isChecked());
  EXPECT_EQ(again.DateTimePickerFrom->date(), ToQDate(Today()));
  EXPECT_EQ(again.TabControlCustomerList->currentIndex(), 0);
}

TEST_F(SlipListTest, TheDetailShowsTheSelectedSlipAndEveryRefillSelectsTheNewest) {
  StoreYamadasSlips();
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  SelectViewRow(list.ListViewSlipList, 1);  // the return
  ASSERT_EQ(list.ListViewSlipDetail->rowCount(), 1);
  QStringList detail;
  for (int c = 0; c < list.ListViewSlipDetail->columnCount(); ++c) {
    detail << list.ListViewSlipDetail->item(0, c)->text();
  }
  // The line amount without tax, negative as the return counts.
  EXPECT_EQ(detail, QStringList({"A-1", "鉛筆", "-2", "本", "100", "-200", ""}));

  list.TabControlCustomerList->setCurrentIndex(kSato);
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 1);
  EXPECT_EQ(list.ListViewSlipDetail->item(0, 4)->text(), QStringLiteral("5"));
  list.TabControlCustomerList->setCurrentIndex(2);  // no slips: no detail left behind
  EXPECT_EQ(list.ListViewSlipDetail->rowCount(), 0);
  list.TabControlCustomerList->setCurrentIndex(kYamada);
  SelectViewRow(list.ListViewSlipList, 0);
  SetPeriod(list, QDate(2024, 4, 1), QDate(2024, 4, 5));
  list.CheckBoxFocus->setChecked(true);
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 1);
  EXPECT_EQ(list.ListViewSlipDetail->item(0, 5)->text(), QStringLiteral("-200"));
}

// Finding a partner turns to its tab, so the list shows that partner's slips.
TEST_F(SlipListTest, FindingAPartnerTurnsToItsTab) {
  StoreYamadasSlips();
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  QLineEdit* find = list.FindBar->EditFind;
  TypeText(find, QStringLiteral("商事"));
  EXPECT_EQ(list.TabControlCustomerList->currentIndex(), kSato);
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 1);
  find->clear();
  TypeText(find, QStringLiteral("商"));
  EXPECT_EQ(list.TabControlCustomerList->currentIndex(), kYamada);
  PressKey(find, Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(list.TabControlCustomerList->currentIndex(), 2);
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 0);
}

TEST_F(SlipListTest, DeleteAsksAndSelectsTheRowThatTakesItsPlace) {
  StoreYamadasSlips();
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  SelectViewRow(list.ListViewSlipList, -1);
  list.ButtonDeleteSlipClick();
  SelectViewRow(list.ListViewSlipList, 0);
  script_.AnswerNo();
  list.ButtonDeleteSlipClick();
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 3);
  script_.AnswerYes();
  list.ButtonDeleteSlipClick();
  EXPECT_EQ(Column(list.ListViewSlipList, 0), QStringList({"2024/04/05", "2024/04/10"}));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 0);
  EXPECT_EQ(list.ListViewSlipDetail->rowCount(), 1);  // the detail of the row now selected
  SelectViewRow(list.ListViewSlipList, 1);
  script_.AnswerYes();
  list.ButtonDeleteSlipClick();
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 0);  // the new last row
  script_.AnswerYes();
  list.ButtonDeleteSlipClick();
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 0);
  EXPECT_EQ(list.SsEditTotal->text(), QStringLiteral("0"));
  EXPECT_EQ(doc_.slips.Count(), 2);  // the other partner's and the other mode's
  EXPECT_EQ(script_.Messages(), QStringList{"削除する伝票を選択して下さい。"});
  EXPECT_EQ(script_.Questions(),
            QStringList(4, QStringLiteral("選択中の伝票を削除します、よろしいですか？")));
}

TEST_F(SlipListTest, AnAddedOrEditedSlipIsSelectedInItsDatePlace) {
  StoreYamadasSlips();
  TFormSlipList& list = List(kShipmentSlip, kYamada);
  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    e.DateTimePickerDate->setDate(QDate(2024, 4, 7));
    e.ListBoxItemSelect->setCurrentRow(0);
    e.SsEditNum->setText(QStringLiteral("1"));
    e.ButtonLineAdd->click();
    e.ButtonOk->click();
  });
  list.ButtonAddSlipClick();
  EXPECT_EQ(Column(list.ListViewSlipList, 0),
            QStringList({"2024/04/01", "2024/04/05", "2024/04/07", "2024/04/10"}));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 2);
  EXPECT_EQ(list.ListViewSlipDetail->rowCount(), 1);

  script_.ExpectModal<TFormSlipAdd>([](TFormSlipAdd& e) {
    e.DateTimePickerDate->setDate(QDate(2024, 3, 31));
    e.ButtonOk->click();
  });
  list.ButtonEditSlipClick();
  EXPECT_EQ(list.ListViewSlipList->item(0, 0)->text(), QStringLiteral("2024/03/31"));
  EXPECT_EQ(SelectedViewRow(list.ListViewSlipList), 0);

  // Cancelled: nothing stored, the row stays selected.
  script_.AnswerYes();
  script_.ExpectModal(DialogScript::Reject);
  list.ButtonAddSlipClick();
  EXPECT_EQ(list.ListViewSlipList->rowCount(), 4);
}

TEST_F(SlipListTest, PrintButtonsCheckFirstAndExistForShipmentsOnly) {
  TFormSlipList& list = List(kShipmentSlip, kSuzuki);
  EXPECT_FALSE(list.ButtonPrint->isHidden());
  EXPECT_FALSE(list.ButtonPrintDeliver->isHidden());
  list.ButtonPrintClick();
  list.ButtonPrintDeliverClick();
  list.ButtonEditSlipClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"印刷対象がありません。", "印刷する伝票を選択してください。",
                         "編集する伝票を選択してください。"}));
  TFormSlipList& purchases = List(kPurchaseSlip);
  EXPECT_TRUE(purchases.ButtonPrint->isHidden());
  EXPECT_TRUE(purchases.ButtonPrintDeliver->isHidden());
  EXPECT_EQ(purchases.TabControlCustomerList->count(), 1);

  // Without partners there is no tab and so an empty list.
  StoreSlip(kPurchaseSlip, 0, EncodeDate(2024, 4, 5), "1", "1");
  doc_.suppliers.Clear();
  TFormSlipList& none = List(kPurchaseSlip);
  EXPECT_EQ(none.TabControlCustomerList->count(), 0);
  EXPECT_EQ(none.ListViewSlipList->rowCount(), 0);
  EXPECT_EQ(none.SsEditTotal->text(), QStringLiteral("0"));
}

}  // namespace

namespace {

// The main window's 仕入 and 出荷 open the one slip list in their mode and with their caption.
TEST(SlipListFromMainWindow, PurchaseAndShipmentOpenTheListInTheirMode) {
  TFormMain main;
  FormFactories factories;
  AddMasterForms(factories);
  AddTradeForms(factories);
  Forms().Create(factories, main.Doc());
  DialogScript script;
  Document& doc = main.Doc();
  doc.items.Add("A-1", "x", "", "", "1", "1", "", "", 0, 0, 0, 0);
  doc.suppliers.Add(CustomerRecord{});
  doc.customers.Add(CustomerRecord{});
  doc.customers.Add(CustomerRecord{});
  struct Case {
    void (TFormMain::*click)();
    int tag;
    const char* caption;
    int tabs;
  };
  for (const Case& c : {Case{&TFormMain::ButtonNyuukoClick, kPurchaseSlip, "仕入伝票リスト", 1},
                        Case{&TFormMain::ButtonSyukkoClick, kShipmentSlip, "出荷伝票リスト", 2}}) {
    script.ExpectModal<TFormSlipList>([&c](TFormSlipList& list) {
      EXPECT_EQ(list.Tag, c.tag);
      EXPECT_EQ(list.windowTitle(), QString::fromUtf8(c.caption));
      EXPECT_EQ(list.TabControlCustomerList->count(), c.tabs);
      EXPECT_EQ(list.ButtonPrintDeliver->isHidden(), c.tag == kPurchaseSlip);
      list.ButtonOk->click();
    });
    (main.*c.click)();
  }
  EXPECT_TRUE(script.Messages().isEmpty());
  Forms().Destroy();
}

}  // namespace

namespace {

// The slip list hands its rows to the slip list report and the selected slip to the
// delivery note, both ending in the printer choice.
TEST_F(SlipListTest, PrintHandsTheShownRowsAndTheSelectedSlipOn) {
  WithPrintWindows();
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 5), "1000", "2");
  const int32_t second = StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 6), "10", "3");
  TFormSlipList& list = List(kShipmentSlip, kSato);
  ASSERT_EQ(list.ListViewSlipList->rowCount(), 2);

  int pages = 0;
  script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
    EXPECT_EQ(printer.Tag, 2);
    pages = printer.CurrentReport().pageCount;
    printer.reject();
  });
  list.ButtonPrintClick();
  EXPECT_EQ(pages, 1);

  list.ListViewSlipList->selectRow(1);
  script_.ExpectModal<TFormDeliveryPrint>([&](TFormDeliveryPrint& note) {
    EXPECT_EQ(note.Tag, kShipmentSlip);
    EXPECT_EQ(note.EditNo->text(), QString());
    EXPECT_EQ(note.ListViewDeliveryList->rowCount() > 0, true);
    EXPECT_EQ(note.SsEditGrandTotal->text(), list.ListViewSlipList->item(1, 2)->text());
    note.reject();
  });
  list.ButtonPrintDeliverClick();
  EXPECT_EQ(list.SlipIdAt(1), second);
}

}  // namespace
