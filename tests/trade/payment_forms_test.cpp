#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>

#include "date_convert.h"
#include "form_payment_add.h"
#include "form_payment_list.h"
#include "list_window_pattern.h"
#include "ss_edit.h"
#include "trade_fixture.h"
#include "ui_test_helpers.h"
#include "window_helpers.h"

namespace {

QStringList Row(const QTableWidget* view, int row) {
  QStringList texts;
  for (int c = 0; c < 3; ++c) texts << view->item(row, c)->text();
  return texts;
}

class PaymentFormsTest : public TradeFormsTest {
 protected:
  void SetUp() override {
    TradeFormsTest::SetUp();
    CustomerRecord yamada = doc_.customers.Get(kYamada);
    yamada.closingDay = 20;
    yamada.payMonth = 1;
    yamada.payDay = 0;
    yamada.openingReceipts = MoneyFromText("1500.5");
    doc_.customers.Update(kYamada, yamada);
    doc_.company.closingDay = 25;
    doc_.company.payMonth = 2;
    doc_.company.payDay = 10;
  }

  TFormPaymentList& List(int mode, int tab = 0) {
    auto& list = ShowAfresh<TFormPaymentList>(FormId::PaymentList, mode);
    list.TabControlCustomerList->setCurrentIndex(tab);
    return list;
  }

  // Enters the amount field, types the text over it and leaves it for the remark.
  static void TypeAmount(TFormPaymentAdd& entry, const QString& text) {
    ShowActive(&entry);
    FocusOn(entry.SsEditPrice);
    entry.SsEditPrice->selectAll();
    TypeText(entry.SsEditPrice, text);
    FocusOn(entry.EditNote);
  }
};

TEST_F(PaymentFormsTest, ListShowsTermsOpeningBalanceAndThePartnersRecordsOldestFirst) {
  doc_.receipts.Add(kYamada, EncodeDate(2024, 5, 2), MoneyFromText("300"), Sjis("振込"));
  doc_.receipts.Add(kSato, EncodeDate(2024, 4, 1), MoneyFromText("999"), "");
  doc_.receipts.Add(kYamada, EncodeDate(2024, 4, 30), MoneyFromText("-20"), "");
  doc_.payments.Add(kYamada, EncodeDate(2024, 4, 1), MoneyFromText("7"), "");

  TFormPaymentList& list = List(kCustomerKind, kYamada);
  EXPECT_EQ(list.ButtonAddPayment->text(), QStringLiteral("入金を記録する"));
  EXPECT_EQ(list.ListViewPaymentList->horizontalHeaderItem(0)->text(), QStringLiteral("入金日"));
  EXPECT_EQ(list.ListViewPaymentList->horizontalHeaderItem(1)->text(), QStringLiteral("入金額"));
  EXPECT_EQ(list.TabControlCustomerList->count(), 3);
  EXPECT_EQ(list.LabelPeriod->text(), QStringLiteral("20日締 翌月 月末払い "));
  ASSERT_EQ(list.ListViewPaymentList->rowCount(), 3);
  EXPECT_EQ(Row(list.ListViewPaymentList, 0), QStringList({"-", "1,500.5", "初期入金残高"}));
  EXPECT_EQ(Row(list.ListViewPaymentList, 1), QStringList({"2024/04/30", "-20", ""}));
  EXPECT_EQ(Row(list.ListViewPaymentList, 2), QStringList({"2024/05/02", "300", "振込"}));
  EXPECT_TRUE(list.ListViewPaymentList->isColumnHidden(3));
  EXPECT_EQ(list.PaymentIdAt(2), 0);

  // A partner on the company's terms shows those; without records only the opening row.
  list.TabControlCustomerList->setCurrentIndex(kSuzuki);
  EXPECT_EQ(list.LabelPeriod->text(), QStringLiteral("25日締 翌々月 10日払い "));
  EXPECT_EQ(list.ListViewPaymentList->rowCount(), 1);

  // The supplier side lists the payments, with its own wording.
  TFormPaymentList& payments = List(kSupplierKind);
  EXPECT_EQ(payments.ButtonAddPayment->text(), QStringLiteral("支払を記録する"));
  EXPECT_EQ(payments.ListViewPaymentList->horizontalHeaderItem(1)->text(),
            QStringLiteral("支払額"));
  EXPECT_EQ(payments.LabelPeriod->text(), QStringLiteral("月末締 当月 月末払い "));
  ASSERT_EQ(payments.ListViewPaymentList->rowCount(), 2);
  EXPECT_EQ(Row(payments.ListViewPaymentList, 1), QStringList({"2024/04/01", "7", ""}));
}

TEST_F(PaymentFormsTest, TheOpeningBalanceRowAndAMissingSelectionChangeNothing) {
  TFormPaymentList& list = List(kCustomerKind, kYamada);
  list.ButtonEditPaymentClick();
  list.ButtonDelPaymentClick();
  SelectViewRow(list.ListViewPaymentList, 0);
  list.ButtonEditPaymentClick();
  list.ButtonDelPaymentClick();
  EXPECT_EQ(script_.Messages(),
            QStringList({"修正するデータを選択してください。", "削除するデータを選択してください。",
                         "初期入金残高は取引先リストから変更してください。",
                         "初期入金残高は取引先リストから削除してください。"}));
  EXPECT_TRUE(script_.Questions().isEmpty());
  EXPECT_EQ(doc_.customers.Get(kYamada).openingReceipts, MoneyFromText("1500.5"));
  EXPECT_TRUE(script_.ModalWindows().isEmpty());
}

TEST_F(PaymentFormsTest, AddEditAndDeleteKeepThePartnerAndSelectTheRecord) {
  doc_.receipts.Add(kYamada, EncodeDate(2024, 4, 10), MoneyFromText("100"), "");
  TFormPaymentList& list = List(kCustomerKind, kYamada);

  script_.ExpectModal<TFormPaymentAdd>([this](TFormPaymentAdd& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("入金データの入力"));
    EXPECT_EQ(e.ButtonOk->text(), QStringLiteral("登録"));
    EXPECT_EQ(e.LabelDate->text(), QStringLiteral("入金日"));
    EXPECT_EQ(e.LabelPrice->text(), QStringLiteral("入金額"));
    EXPECT_EQ(e.DateTimePickerNyukin->date(), ToQDate(Today()));
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("0"));
    e.DateTimePickerNyukin->setDate(QDate(2024, 4, 1));
    TypeAmount(e, QStringLiteral("1234.56"));
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("1,234"));  // whole yen on leaving
    e.EditNote->setText(QStringLiteral("現金"));
    e.ButtonOk->click();
  });
  list.ButtonAddPaymentClick();
  ASSERT_EQ(doc_.receipts.Count(), 2);
  const Payment added = doc_.receipts.Get(1);
  EXPECT_EQ(added.partner, kYamada);
  EXPECT_EQ(added.date, EncodeDate(2024, 4, 1));
  EXPECT_EQ(added.amount, Money::FromInt(1234));
  EXPECT_EQ(added.note, Sjis("現金"));
  // The new record takes its date place and is selected there.
  EXPECT_EQ(Row(list.ListViewPaymentList, 1), QStringList({"2024/04/01", "1,234", "現金"}));
  EXPECT_EQ(SelectedViewRow(list.ListViewPaymentList), 1);

  script_.ExpectModal<TFormPaymentAdd>([](TFormPaymentAdd& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("入金データの編集"));
    EXPECT_EQ(e.ButtonOk->text(), QStringLiteral("変更"));
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("1,234"));
    EXPECT_EQ(e.EditNote->text(), QStringLiteral("現金"));
    e.DateTimePickerNyukin->setDate(QDate(2024, 4, 20));
    e.SsEditPrice->setText(QStringLiteral("-50"));  // a negative amount is accepted
    e.ButtonOk->click();
  });
  list.ButtonEditPaymentClick();
  const Payment edited = doc_.receipts.GetById(added.id);
  EXPECT_EQ(edited.partner, kYamada);
  EXPECT_EQ(edited.amount, Money::FromInt(-50));
  EXPECT_EQ(list.PaymentIdAt(2), added.id);
  EXPECT_EQ(SelectedViewRow(list.ListViewPaymentList), 2);

  // Cancel stores nothing.
  script_.ExpectModal<TFormPaymentAdd>([](TFormPaymentAdd& e) {
    e.SsEditPrice->setText(QStringLiteral("7"));
    e.ButtonCancel->click();
  });
  list.ButtonEditPaymentClick();
  EXPECT_EQ(doc_.receipts.GetById(added.id).amount, Money::FromInt(-50));

  // Delete asks; No keeps the record, Yes removes it and the last row is selected, down to
  // the opening balance row.
  script_.AnswerNo();
  list.ButtonDelPaymentClick();
  EXPECT_EQ(doc_.receipts.Count(), 2);
  script_.AnswerYes();
  list.ButtonDelPaymentClick();
  EXPECT_FALSE(doc_.receipts.Exists(added.id));
  EXPECT_EQ(SelectedViewRow(list.ListViewPaymentList), 1);
  script_.AnswerYes();
  list.ButtonDelPaymentClick();
  EXPECT_EQ(doc_.receipts.Count(), 0);
  EXPECT_EQ(SelectedViewRow(list.ListViewPaymentList), 0);
  EXPECT_EQ(script_.Questions(),
            QStringList(3, QStringLiteral("選択中の入金データを削除します、よろしいですか？")));
  EXPECT_TRUE(script_.Messages().isEmpty());
}

// The check reads the amount as it will be stored, in whole yen, not the literal "0".
TEST_F(PaymentFormsTest, AnAmountOfZeroYenInAnyFormKeepsTheEntryOpen) {
  TFormPaymentList& list = List(kSupplierKind);
  script_.ExpectModal<TFormPaymentAdd>([this](TFormPaymentAdd& e) {
    EXPECT_EQ(e.windowTitle(), QStringLiteral("支払データの入力"));
    for (const char* zero : {"0", "0.00", "-0", "0.9", "(0)", "abc"}) {
      e.SsEditPrice->setText(QString::fromLatin1(zero));
      e.ButtonOk->click();
      EXPECT_TRUE(e.isVisible()) << zero;
    }
    TypeAmount(e, QStringLiteral("-0.5"));
    e.ButtonOk->click();
    EXPECT_TRUE(e.isVisible());
    e.SsEditPrice->setText(QStringLiteral("1"));
    e.ButtonOk->click();
  });
  list.ButtonAddPaymentClick();
  EXPECT_EQ(script_.Messages(), QStringList(7, QStringLiteral("入金額を正しく入力して下さい。")));
  ASSERT_EQ(doc_.payments.Count(), 1);
  EXPECT_EQ(doc_.payments.Get(0).amount, Money::FromInt(1));
  EXPECT_TRUE(doc_.receipts.Records().empty());
}

// Enter walks date, amount, remark and OK; the amount takes its sign first.
TEST_F(PaymentFormsTest, EnterWalksTheEntryAndANegativeAmountIsTypedKeyByKey) {
  TFormPaymentList& list = List(kCustomerKind);
  script_.ExpectModal<TFormPaymentAdd>([](TFormPaymentAdd& e) {
    ShowActive(&e);
    FocusOn(e.DateTimePickerNyukin);
    EXPECT_EQ(WalkWithEnter(1), QStringList{"SsEditPrice"});
    e.SsEditPrice->selectAll();
    EXPECT_EQ(TextsWhileTyping(e.SsEditPrice, QStringLiteral("-5000")),
              (QStringList{"-", "-5", "-50", "-500", "-5000"}));
    EXPECT_EQ(WalkWithEnter(2), (QStringList{"EditNote", "ButtonOk"}));
    EXPECT_EQ(e.SsEditPrice->text(), QStringLiteral("-5,000"));
    e.ButtonOk->click();
  });
  list.ButtonAddPaymentClick();
  ASSERT_EQ(doc_.receipts.Count(), 1);
  EXPECT_EQ(doc_.receipts.Get(0).amount, Money::FromInt(-5000));
}

// 支払記録 and 入金記録 open the one payment list in their mode and with their caption.
TEST(PaymentListFromMainWindow, PaymentsAndReceiptsOpenTheListInTheirMode) {
  MainWindowWithForms shell;
  TFormMain& main = shell.main;
  DialogScript script;
  main.Doc().suppliers.Add(CustomerRecord{});
  main.Doc().customers.Add(CustomerRecord{});
  main.Doc().customers.Add(CustomerRecord{});
  struct Case {
    void (TFormMain::*click)();
    int tag;
    const char* caption;
    int tabs;
  };
  for (const Case& c : {Case{&TFormMain::ButtonShiharaiClick, kSupplierKind, "支払リスト", 1},
                        Case{&TFormMain::ButtonNyukinClick, kCustomerKind, "入金リスト", 2}}) {
    script.ExpectModal<TFormPaymentList>([&c](TFormPaymentList& list) {
      EXPECT_EQ(list.Tag, c.tag);
      EXPECT_EQ(list.windowTitle(), QString::fromUtf8(c.caption));
      EXPECT_EQ(list.TabControlCustomerList->count(), c.tabs);
      list.ButtonOk->click();
    });
    (main.*c.click)();
  }
  EXPECT_TRUE(script.Messages().isEmpty());
}

}  // namespace
