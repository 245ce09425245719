#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimeEdit>

#include "form_customer_add.h"
#include "form_customer_list.h"
#include "list_window_pattern.h"
#include "master_fixture.h"
#include "partner_row.h"
#include "partner_rules.h"
#include "radio_group.h"
#include "ss_edit.h"
#include "ui_test_helpers.h"

namespace {

TEST(SameMonthRule, OnlyAPaymentDayBeforeTheClosingDayInTheSameMonthBreaksIt) {
  EXPECT_TRUE(BreaksSameMonthRule(20, 0, 15));
  EXPECT_FALSE(BreaksSameMonthRule(20, 0, 20));
  EXPECT_FALSE(BreaksSameMonthRule(20, 1, 15));  // next month
  EXPECT_FALSE(BreaksSameMonthRule(20, 0, 0));   // paid at the month's end
  EXPECT_FALSE(BreaksSameMonthRule(0, 0, 5));    // closing at the month's end is position 0
}

TEST(PartnerRow, ShowsTheTermsInForce) {
  CompanySettings company;
  company.closingDay = 25;
  company.payMonth = 1;
  company.payDay = 10;
  CustomerRecord partner;
  partner.name = TextBytes(QStringLiteral("山田商店"));
  partner.address1 = TextBytes(QStringLiteral("東京都"));
  partner.address2 = TextBytes(QStringLiteral("港区1-2"));
  partner.closingDay = 20;
  partner.payMonth = 0;
  partner.payDay = 0;
  EXPECT_EQ(PartnerRowTexts(company, partner),
            QStringList({"山田商店", "20日", "当月月末", "東京都 港区1-2"}));
  partner.basis = 1;  // 自社
  EXPECT_EQ(PartnerRowTexts(company, partner),
            QStringList({"山田商店", "25日", "翌月10日", "東京都 港区1-2"}));
}

TEST(PartnerSlips, OnlySlipsOfThePartnersKindCount) {
  SlipList slips;
  Slip slip;
  slip.kind = kShipmentReturnSlip;
  slip.partner = 3;
  slips.Add(slip);
  EXPECT_TRUE(PartnerHasSlips(slips, kCustomerKind, 3));
  EXPECT_FALSE(PartnerHasSlips(slips, kSupplierKind, 3));
  EXPECT_FALSE(PartnerHasSlips(slips, kCustomerKind, 2));
}

class CustomerFormsTest : public MasterFormsTest {
 protected:
  TFormCustomerList& List(int kind) {
    auto& list = Form<TFormCustomerList>(FormId::CustomerList);
    list.Tag = kind;
    return list;
  }

  void AddPartner(int kind, const char* name) {
    CustomerRecord r;
    r.name = Sjis(QString::fromUtf8(name));
    doc_.Partners(kind).Add(r);
  }

  // Enters the amount field, types the text over it and leaves it.
  static void TypeAmount(TFormCustomerAdd& entry, TSsEdit* edit, const QString& text) {
    FocusOn(edit);
    edit->selectAll();
    TypeText(edit, text);
    FocusOn(entry.EditNote);
  }
};

TEST_F(CustomerFormsTest, NewPartnerStartsWithDefaultHoursRateAndBalances) {
  List(kCustomerKind).show();
  script_.ExpectModal<TFormCustomerAdd>([](TFormCustomerAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("出荷先の追加"));
    EXPECT_EQ(entry.DateTimePickerOpen->time(), QTime(10, 0));
    EXPECT_EQ(entry.DateTimePickerClose->time(), QTime(17, 0));
    EXPECT_EQ(entry.SsEditRate->Text(), QStringLiteral("100"));
    EXPECT_EQ(entry.SsEditKurikoshi->Text(), QStringLiteral("0"));
    EXPECT_EQ(entry.SsEditNyukin->Text(), QStringLiteral("0"));
    EXPECT_EQ(entry.ComboBoxPeriod->currentText(), QStringLiteral("月末"));
    EXPECT_EQ(entry.RadioGroupInitiative->ItemIndex(), 0);
    EXPECT_EQ(entry.RadioGroupRound->ItemIndex(), 0);
    entry.EditName->setText(QStringLiteral(" 　"));
    entry.ButtonOk->click();
    EXPECT_TRUE(entry.isVisible());
    entry.EditName->setText(QStringLiteral("佐藤商事"));
    entry.ButtonOk->click();
  });
  List(kCustomerKind).ButtonAddCustomerClick();
  EXPECT_EQ(script_.Messages(), QStringList{"取引先名を入力してください。"});
  ASSERT_EQ(doc_.customers.Count(), 1);
  EXPECT_EQ(doc_.suppliers.Count(), 0);
  CustomerRecord expected;
  expected.name = Sjis(QStringLiteral("佐藤商事"));
  EXPECT_EQ(doc_.customers.Get(0), expected);  // every other field as a new partner has it
  EXPECT_EQ(List(kCustomerKind).ListViewCustomerList->currentRow(), 0);
}

TEST_F(CustomerFormsTest, BalancesLeaveWholeOrWithTwoDecimals) {
  List(kSupplierKind).show();
  script_.ExpectModal<TFormCustomerAdd>([](TFormCustomerAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("仕入先の追加"));
    ShowActive(&entry);
    TypeAmount(entry, entry.SsEditKurikoshi, QStringLiteral("1234.56"));
    EXPECT_EQ(entry.SsEditKurikoshi->Text(), QStringLiteral("1,234"));
    TypeAmount(entry, entry.SsEditNyukin, QStringLiteral("1234.567"));
    EXPECT_EQ(entry.SsEditNyukin->Text(), QStringLiteral("1,234.56"));
    TypeAmount(entry, entry.SsEditRate, QStringLiteral("85.555"));
    EXPECT_EQ(entry.SsEditRate->Text(), QStringLiteral("85.55"));
    FocusOn(entry.SsEditNyukin);
    EXPECT_EQ(entry.SsEditNyukin->Text(), QStringLiteral("1234.56"));
    entry.SsEditNyukin->clear();
    EXPECT_EQ(entry.SsEditNyukin->Text(), QStringLiteral("0"));
    entry.EditName->setText(QStringLiteral("田中物産"));
    entry.ButtonOk->click();
  });
  List(kSupplierKind).ButtonAddCustomerClick();
  ASSERT_EQ(doc_.suppliers.Count(), 1);
  const CustomerRecord r = doc_.suppliers.Get(0);
  EXPECT_EQ(r.openingBalance, Money::FromInt(1234));
  EXPECT_EQ(r.openingReceipts, Money::FromInt(0));
  EXPECT_EQ(r.priceRate, Money::FromRaw(855500));
}

TEST_F(CustomerFormsTest, KeyboardAloneFillsAPartnerWithANegativeBalance) {
  List(kSupplierKind).show();
  script_.ExpectModal<TFormCustomerAdd>([](TFormCustomerAdd& entry) {
    ShowActive(&entry);
    // The walk through its fields is checked with every window's (window_walk_test.cpp).
    TypeAmount(entry, entry.SsEditKurikoshi, QStringLiteral("-5000"));
    EXPECT_EQ(entry.SsEditKurikoshi->Text(), QStringLiteral("-5,000"));
    TypeAmount(entry, entry.SsEditNyukin, QStringLiteral("-"));  // left unfinished
    EXPECT_EQ(entry.SsEditNyukin->Text(), QStringLiteral("0"));
    entry.EditName->setText(QStringLiteral("田中物産"));
    entry.ButtonOk->click();
  });
  List(kSupplierKind).ButtonAddCustomerClick();
  ASSERT_EQ(doc_.suppliers.Count(), 1);
  EXPECT_EQ(doc_.suppliers.Get(0).openingBalance, Money::FromInt(-5000));
  EXPECT_EQ(doc_.suppliers.Get(0).openingReceipts, Money::FromInt(0));
}

TEST_F(CustomerFormsTest, PaymentDayBeforeClosingDayInTheSameMonthIsCorrected) {
  List(kCustomerKind).show();
  script_.ExpectModal<TFormCustomerAdd>([this](TFormCustomerAdd& entry) {
    Pick(entry.ComboBoxPeriod, 20);
    Pick(entry.ComboBoxPayMonth, 0);
    Pick(entry.ComboBoxPayDay, 15);
    EXPECT_EQ(entry.ComboBoxPayDay->currentText(), QStringLiteral("20日"));
    EXPECT_TRUE(script_.Messages().isEmpty());  // a tip, not a box that takes the keys
    EXPECT_EQ(entry.ComboBoxPayDay->toolTip(),
              QStringLiteral("当月支払の場合、支払日を締日より前に設定することは出来ません。"));
    // The arrows pass over the days the rule refuses.
    entry.ComboBoxPayDay->setCurrentIndex(0);
    PressKey(entry.ComboBoxPayDay, Qt::Key_Down);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 20);
    PressKey(entry.ComboBoxPayDay, Qt::Key_Up);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 0);

    // Switching to the same month corrects without a word.
    Pick(entry.ComboBoxPayMonth, 1);
    Pick(entry.ComboBoxPayDay, 15);
    Pick(entry.ComboBoxPayMonth, 0);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 20);
    // So does a later closing day.
    Pick(entry.ComboBoxPeriod, 25);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 25);

    // The month's end is always accepted, as payment day and as closing day.
    Pick(entry.ComboBoxPayDay, 0);
    Pick(entry.ComboBoxPeriod, 0);
    Pick(entry.ComboBoxPayDay, 5);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 5);
    EXPECT_TRUE(entry.ComboBoxPayDay->toolTip().isEmpty());
    EXPECT_TRUE(script_.Messages().isEmpty());
    entry.ButtonCancel->click();
  });
  List(kCustomerKind).ButtonAddCustomerClick();
  EXPECT_EQ(doc_.customers.Count(), 0);
}

TEST_F(CustomerFormsTest, PartnerOnCompanyTermsShowsTheCompanysDaysInTheList) {
  doc_.company.closingDay = 25;
  doc_.company.payMonth = 2;
  doc_.company.payDay = 0;
  CustomerRecord r;
  r.name = Sjis(QStringLiteral("自社条件"));
  r.basis = 1;
  r.closingDay = 10;
  r.payMonth = 1;
  r.payDay = 5;
  doc_.customers.Add(r);
  TFormCustomerList& list = List(kCustomerKind);
  list.show();
  EXPECT_EQ(list.ListViewCustomerList->item(0, 1)->text(), QStringLiteral("25日"));
  EXPECT_EQ(list.ListViewCustomerList->item(0, 2)->text(), QStringLiteral("翌々月月末"));

  // Its own terms stay stored and editable.
  SelectViewRow(list.ListViewCustomerList, 0);
  script_.ExpectModal<TFormCustomerAdd>([](TFormCustomerAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("出荷先の変更"));
    EXPECT_EQ(entry.RadioGroupInitiative->ItemIndex(), 1);
    EXPECT_EQ(entry.ComboBoxPeriod->currentIndex(), 10);
    EXPECT_EQ(entry.ComboBoxPayDay->currentIndex(), 5);
    entry.RadioGroupInitiative->SetItemIndex(0);
    entry.ButtonOk->click();
  });
  list.ButtonEditCustomerClick();
  EXPECT_EQ(list.ListViewCustomerList->item(0, 1)->text(), QStringLiteral("10日"));
  EXPECT_EQ(list.ListViewCustomerList->currentRow(), 0);
}

TEST_F(CustomerFormsTest, EditShowsAmountsPlainAndKeepsIdAndPlace) {
  AddPartner(kSupplierKind, "一番");
  CustomerRecord r;
  r.name = Sjis(QStringLiteral("二番"));
  r.openingBalance = Money::FromRaw(12345000);
  r.openTime = 9.5 / 24;
  r.decimals = 1;
  r.rounding = 2;
  doc_.suppliers.Add(r);
  TFormCustomerList& list = List(kSupplierKind);
  list.show();
  SelectViewRow(list.ListViewCustomerList, 1);
  script_.ExpectModal<TFormCustomerAdd>([](TFormCustomerAdd& entry) {
    EXPECT_EQ(entry.windowTitle(), QStringLiteral("仕入先の変更"));
    EXPECT_EQ(entry.SsEditKurikoshi->Text(), QStringLiteral("1234.5"));
    EXPECT_EQ(entry.DateTimePickerOpen->time(), QTime(9, 30));
    EXPECT_EQ(entry.RadioGroupUnderOne->ItemIndex(), 1);  // decimals
    EXPECT_EQ(entry.RadioGroupRound->ItemIndex(), 2);     // rounding
    entry.EditTel->setText(QStringLiteral("03-1234-5678"));
    entry.ButtonOk->click();
  });
  list.ListViewCustomerListDblClick();
  const CustomerRecord stored = doc_.suppliers.Get(1);
  EXPECT_EQ(stored.id, 1);
  EXPECT_EQ(stored.tel, "03-1234-5678");
  EXPECT_EQ(stored.openingBalance, Money::FromRaw(12345000));
  EXPECT_EQ(stored.openTime, 9.5 / 24);
  EXPECT_EQ(stored.decimals, 1);
  EXPECT_EQ(stored.rounding, 2);
}

// A partner that slips or payments refer to stays: its id would come back for the next new
// partner, who would take over its records.
TEST_F(CustomerFormsTest, PartnerWithSlipsOrPaymentsIsRefusedAfterTheQuestion) {
  AddPartner(kCustomerKind, "出荷あり");
  AddPartner(kCustomerKind, "入金のみ");
  AddPartner(kCustomerKind, "取引なし");
  AddPartner(kSupplierKind, "支払のみ");  // id 0 in its own list
  AddPartner(kSupplierKind, "仕入先");
  Slip slip;
  slip.kind = kShipmentSlip;
  slip.partner = 0;
  doc_.slips.Add(slip);
  doc_.receipts.Add(1, 45000, Money::FromInt(500), "");
  doc_.payments.Add(0, 45000, Money::FromInt(700), "");

  TFormCustomerList& list = List(kCustomerKind);
  list.show();
  for (int row : {0, 1}) {
    SelectViewRow(list.ListViewCustomerList, row);
    script_.AnswerYes();
    list.ButtonDeleteCustomerClick();
  }
  EXPECT_EQ(script_.Questions(), QStringList(2, QStringLiteral("削除します。よろしいですか？")));
  EXPECT_EQ(script_.Messages(),
            (QStringList{"この取引先は既に伝票が入力されているため、削除できません。",
                         "この取引先は既に入金データが入力されているため、削除できません。"}));
  EXPECT_EQ(doc_.customers.Count(), 3);

  SelectViewRow(list.ListViewCustomerList, 2);
  script_.AnswerYes();
  list.ButtonDeleteCustomerClick();
  ASSERT_EQ(doc_.customers.Count(), 2);
  EXPECT_EQ(Text(doc_.customers.Get(1).name), QStringLiteral("入金のみ"));
  EXPECT_EQ(list.ListViewCustomerList->currentRow(), 1);

  // Supplier 0 has a payment; the shipment to customer 0 and the receipt of customer 1 do
  // not hold supplier 1 (or 0).
  list.hide();
  TFormCustomerList& suppliers = List(kSupplierKind);
  suppliers.show();
  for (int row : {0, 1}) {
    SelectViewRow(suppliers.ListViewCustomerList, row);
    script_.AnswerYes();
    suppliers.ButtonDeleteCustomerClick();
  }
  EXPECT_EQ(script_.Messages().last(),
            QStringLiteral("この取引先は既に支払データが入力されているため、削除できません。"));
  ASSERT_EQ(doc_.suppliers.Count(), 1);
  EXPECT_EQ(Text(doc_.suppliers.Get(0).name), QStringLiteral("支払のみ"));
  EXPECT_EQ(SelectedViewRow(suppliers.ListViewCustomerList), 0);
}

TEST_F(CustomerFormsTest, MovesUseThePartnerListsWording) {
  AddPartner(kCustomerKind, "甲");
  AddPartner(kCustomerKind, "乙");
  TFormCustomerList& list = List(kCustomerKind);
  list.show();
  list.ButtonIndexDownClick();
  list.ButtonIndexUpClick();
  SelectViewRow(list.ListViewCustomerList, 0);
  list.ButtonIndexDownClick();
  EXPECT_EQ(Text(doc_.customers.Get(1).name), QStringLiteral("甲"));
  EXPECT_EQ(list.ListViewCustomerList->currentRow(), 1);
  list.ButtonIndexDownClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"下に移動する項目を選択して下さい。",
                         "上に移動する項目を選択してください。", "これ以上下に移動できません。"}));
}

}  // namespace
