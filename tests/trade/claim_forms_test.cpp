#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "atomic_file.h"
#include "date_convert.h"
#include "form_claim_detail.h"
#include "form_claim_list.h"
#include "form_set_printer.h"
#include "list_window_pattern.h"
#include "print_forms.h"
#include "ss_edit.h"
#include "trade_fixture.h"
#include "window_helpers.h"

namespace {

QStringList Row(const QTableWidget* view, int row) {
  QStringList texts;
  for (int c = 0; c < view->columnCount(); ++c) {
    if (view->isColumnHidden(c)) continue;
    const QTableWidgetItem* item = view->item(row, c);
    texts << (item != nullptr ? item->text() : QString());
  }
  return texts;
}

QStringList Figures(const TFormClaimDetail& d) {
  return {d.SsEditZengetsu->text(), d.SsEditNyukin->text(), d.SsEditKurikoshi->text(),
          d.SsEditUriage->text(),   d.SsEditTax->text(),    d.SsEditKongetsu->text(),
          d.SsEditSeikyu->text()};
}

// April 2024 for five customers: Yamada closes on the 20th and pays at the end of the next
// month, the others close at the month's end and pay in the same month.
class ClaimFormsTest : public TradeFormsTest {
 protected:
  static constexpr int32_t kTakahashi = 3;  // paid up, nothing sold in April: left out
  static constexpr int32_t kIto = 4;        // receipts only

  void SetUp() override {
    TradeFormsTest::SetUp();
    CustomerRecord yamada = doc_.customers.Get(kYamada);
    yamada.closingDay = 20;
    yamada.payMonth = 1;
    doc_.customers.Update(kYamada, yamada);
    CustomerRecord sato = doc_.customers.Get(kSato);
    sato.openingBalance = Money::FromInt(10000);
    doc_.customers.Update(kSato, sato);
    AddPartner(doc_.customers, "高橋商店", 100, 0, 0, 0);
    AddPartner(doc_.customers, "伊藤商店", 100, 0, 0, 0);

    // Yamada: one slip before the period, and in it a return and a slip of two lines
    // (a tax-excluded 2,000 + 100 tax, a tax-included 99.99 rounded half up to 100).
    StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 3, 20), "1000", "1");
    Slip sale;
    sale.kind = kShipmentSlip;
    sale.partner = kYamada;
    sale.date = EncodeDate(2024, 4, 20);  // the closing date itself
    sale.number = "S-1";
    sale.AddLine(std::to_string(kPencil), "1000", "2", "");
    sale.AddLine(std::to_string(kEraser), "33.33", "3", Sjis("特価"));
    doc_.slips.Add(sale);
    Slip giveBack;
    giveBack.kind = kShipmentReturnSlip;
    giveBack.partner = kYamada;
    giveBack.date = EncodeDate(2024, 4, 1);
    giveBack.number = "R-1";
    giveBack.AddLine(std::to_string(kPencil), "1000", "1", "");
    doc_.slips.Add(giveBack);
    StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 4, 21), "1000", "5");  // May's period
    doc_.receipts.Add(kYamada, EncodeDate(2024, 3, 1), Money::FromInt(300), "");
    doc_.receipts.Add(kYamada, EncodeDate(2024, 4, 10), Money::FromInt(500), Sjis("振込"));

    // Suzuki (company terms, rounding up): sold and paid in full within April.
    StoreSlip(kShipmentSlip, kSuzuki, EncodeDate(2024, 4, 5), "33.33", "3", kEraser);
    doc_.receipts.Add(kSuzuki, EncodeDate(2024, 4, 30), Money::FromInt(100), "");
    // Takahashi: a March sale paid in March.
    StoreSlip(kShipmentSlip, kTakahashi, EncodeDate(2024, 3, 10), "1000", "1");
    doc_.receipts.Add(kTakahashi, EncodeDate(2024, 3, 31), Money::FromInt(1050), "");
    // Ito: receipts before and in April, never a sale.
    doc_.receipts.Add(kIto, EncodeDate(2024, 3, 15), Money::FromInt(3000), "");
    doc_.receipts.Add(kIto, EncodeDate(2024, 4, 15), Money::FromInt(1000), "");
    // The supplier: two purchases (3,150 and 9,450) and a payment of 1,000.
    StoreSlip(kPurchaseSlip, 0, EncodeDate(2024, 4, 10), "1000", "9");
    StoreSlip(kPurchaseSlip, 0, EncodeDate(2024, 4, 2), "1000", "3");
    doc_.payments.Add(0, EncodeDate(2024, 4, 3), Money::FromInt(1000), "");
  }

  TFormClaimList& List(int mode, const QDate& month) {
    auto& list = ShowAfresh<TFormClaimList>(FormId::ClaimList, mode);
    list.DateTimePickerMonth->setDate(month);
    return list;
  }

  // Opens the invoice of the list's row and hands the window to `check`.
  void OpenDetail(TFormClaimList& list, int row, std::function<void(TFormClaimDetail&)> check) {
    SelectViewRow(list.ListViewClaimList, row);
    script_.ExpectModal<TFormClaimDetail>([check = std::move(check)](TFormClaimDetail& d) {
      check(d);
      d.ButtonOk->click();
    });
    list.ButtonPrintClick();
  }
};

TEST_F(ClaimFormsTest, TheClaimListShowsWhatEachCustomerOwesAtItsClosingDate) {
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  EXPECT_EQ(list.windowTitle(), QStringLiteral("請求書作成"));
  EXPECT_EQ(list.ButtonPrintList->text(), QStringLiteral("入金確認一覧印刷"));
  EXPECT_EQ(list.ListViewClaimList->horizontalHeaderItem(1)->text(), QStringLiteral("請求金額"));
  EXPECT_FALSE(list.ButtonPrint->isHidden());
  EXPECT_EQ(list.DateTimePickerMonth->displayFormat(), QStringLiteral("yyyy年MM月"));
  ASSERT_EQ(list.ListViewClaimList->rowCount(), 4);
  // Yamada: 1,050 + 2,200 - 1,050 sold, 300 + 500 received; the sale of 21 April waits.
  EXPECT_EQ(Row(list.ListViewClaimList, 0), QStringList({"山田商店", "1,400", "20日", "05月31日"}));
  // Sato: the opening carry-over alone is owed.
  EXPECT_EQ(Row(list.ListViewClaimList, 1),
            QStringList({"佐藤商事", "10,000", "月末", "04月30日"}));
  // Suzuki sold and was paid in the period; Ito paid more than it owes.
  EXPECT_EQ(Row(list.ListViewClaimList, 2), QStringList({"鈴木商会", "0", "月末", "04月30日"}));
  EXPECT_EQ(Row(list.ListViewClaimList, 3), QStringList({"伊藤商店", "0", "月末", "04月30日"}));
  EXPECT_EQ(list.PartnerIdAt(3), kIto);

  // Another day of the same month recomputes nothing; another month does.
  doc_.receipts.Add(kSato, EncodeDate(2024, 4, 2), Money::FromInt(10000), "");
  list.DateTimePickerMonth->setDate(QDate(2024, 4, 30));
  EXPECT_EQ(list.ListViewClaimList->item(1, 1)->text(), QStringLiteral("10,000"));
  list.DateTimePickerMonth->setDate(QDate(2024, 5, 1));
  EXPECT_EQ(list.ListViewClaimList->item(0, 1)->text(), QStringLiteral("6,650"));
  EXPECT_EQ(list.ListViewClaimList->item(0, 3)->text(), QStringLiteral("06月30日"));
  list.DateTimePickerMonth->setDate(QDate(2024, 4, 1));
  EXPECT_EQ(list.ListViewClaimList->rowCount(), 3);  // Sato is paid up now

  // The supplier side: what the business owes, no invoices.
  TFormClaimList& suppliers = List(kSupplierKind, QDate(2024, 4, 1));
  EXPECT_EQ(suppliers.windowTitle(), QStringLiteral("取引先別支払一覧"));
  EXPECT_EQ(suppliers.ButtonPrintList->text(), QStringLiteral("支払確認一覧印刷"));
  EXPECT_EQ(suppliers.ListViewClaimList->horizontalHeaderItem(1)->text(),
            QStringLiteral("支払金額"));
  EXPECT_TRUE(suppliers.ButtonPrint->isHidden());
  ASSERT_EQ(suppliers.ListViewClaimList->rowCount(), 1);
  EXPECT_EQ(Row(suppliers.ListViewClaimList, 0),
            QStringList({"田中問屋", "11,600", "月末", "04月30日"}));
  SelectViewRow(suppliers.ListViewClaimList, 0);
  suppliers.ListViewClaimListDblClick();  // no invoice for suppliers
  EXPECT_TRUE(script_.ModalWindows().isEmpty());
  EXPECT_TRUE(script_.Messages().isEmpty());
}

// The month's claim list as a spreadsheet gets it from the context menu: the window's
// columns, plain amounts, due dates with their year, a byte-order mark and CR LF.
TEST_F(ClaimFormsTest, TheClaimListIsSavedAsCsvFromItsContextMenu) {
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("claims.csv"));
  script_.ChooseSaveFile(path);
  const QList<QAction*> actions = list.ListViewClaimList->actions();
  ASSERT_EQ(actions.size(), 1);
  EXPECT_EQ(actions[0]->text(), QStringLiteral("CSVで保存…"));
  actions[0]->trigger();
  EXPECT_EQ(ReadWholeFile(path),
            "\xEF\xBB\xBF"
            "得意先名,請求金額,締日,支払予定\r\n"
            "山田商店,1400,20日,2024/05/31\r\n"
            "佐藤商事,10000,月末,2024/04/30\r\n"
            "鈴木商会,0,月末,2024/04/30\r\n"
            "伊藤商店,0,月末,2024/04/30\r\n");
}

TEST_F(ClaimFormsTest, TheDetailListsThePeriodAndItsFiguresAddUpToTheClaim) {
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  OpenDetail(list, 0, [](TFormClaimDetail& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("請求書印刷"));
    EXPECT_EQ(d.DateTimePickerClaimDate->date(), QDate(2024, 4, 20));
    ASSERT_EQ(d.ListViewClaimDetail->rowCount(), 4);
    // Oldest slip first; date and number on a slip's first line only; receipts last.
    EXPECT_EQ(Row(d.ListViewClaimDetail, 0),
              QStringList({"04/01", "R-1", "鉛筆", "-1", "本", "1,000", "-1,000", ""}));
    EXPECT_EQ(Row(d.ListViewClaimDetail, 1),
              QStringList({"04/20", "S-1", "鉛筆", "2", "本", "1,000", "2,000", ""}));
    EXPECT_EQ(Row(d.ListViewClaimDetail, 2),
              QStringList({"", "", "消しゴム", "3", "個", "33.33", "100", "特価"}));
    EXPECT_EQ(Row(d.ListViewClaimDetail, 3),
              QStringList({"04/10", "", "ご入金", "", "", "", "500", "振込"}));
    // 前月累計 1,050 - 300; 消費税 is the 50 added, the 5 inside prices a line of its own, so
    // 今月売上 + 消費税 = 今月請求額; 請求額 equals the claim list's 1,400.
    EXPECT_EQ(Figures(d), QStringList({"750", "500", "250", "1,100", "50", "1,150", "1,400"}));
    EXPECT_EQ(d.LabelTaxNotes->text(), QStringLiteral("（うち内消費税 \\5）"));
    EXPECT_EQ(d.Detail().partner.name, Sjis("山田商店"));
  });
  // Without earlier sales the boxes still add up: 前月累計 is the balance after the earlier
  // receipts, and 繰越額 is 前月累計 less this month's receipts.
  OpenDetail(list, 3, [](TFormClaimDetail& d) {
    EXPECT_EQ(Figures(d), QStringList({"-3,000", "1,000", "-4,000", "0", "0", "0", "0"}));
    ASSERT_EQ(d.ListViewClaimDetail->rowCount(), 1);
    EXPECT_EQ(d.DateTimePickerClaimDate->date(), QDate(2024, 4, 30));
  });
  EXPECT_TRUE(script_.Messages().isEmpty());
}

TEST_F(ClaimFormsTest, PrintOptionsStayButTheNumberIsEmptiedAndEmptyListsAreNotPrinted) {
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  list.ButtonPrintClick();
  EXPECT_EQ(script_.Messages().last(), QStringLiteral("請求データを選択してください。"));
  OpenDetail(list, 0, [](TFormClaimDetail& d) {
    EXPECT_EQ(d.ComboBoxTitle->currentText(), QStringLiteral("請求書"));
    EXPECT_EQ(d.ComboBoxTitle->count(), 4);
    EXPECT_EQ(d.ComboBoxNameTitle->currentText(), QStringLiteral("御中"));
    EXPECT_EQ(d.EditBank->text(), QStringLiteral("※お支払は下記口座へお願い致します"));
    EXPECT_FALSE(d.CheckBoxBank->isChecked());
    EXPECT_TRUE(d.SsEditSeikyu->isReadOnly());
    EXPECT_EQ(d.SsEditSeikyu->focusPolicy(), Qt::NoFocus);  // no tab stop
    d.ComboBoxTitle->setEditText(QStringLiteral("合計請求書"));
    d.ComboBoxNameTitle->setCurrentIndex(1);
    d.EditNo->setText(QStringLiteral("A-7"));
    d.CheckBoxBank->setChecked(true);
    d.CheckBoxKakunin->setChecked(true);
    d.ButtonPrintClick();  // rows to print: no message
  });
  // Sato owes only the opening carry-over: nothing to print.
  OpenDetail(list, 1, [](TFormClaimDetail& d) {
    EXPECT_EQ(d.ComboBoxTitle->currentText(), QStringLiteral("合計請求書"));
    EXPECT_EQ(d.ComboBoxNameTitle->currentText(), QStringLiteral("様"));
    EXPECT_TRUE(d.CheckBoxBank->isChecked());
    EXPECT_TRUE(d.CheckBoxKakunin->isChecked());
    EXPECT_FALSE(d.CheckBoxTantou->isChecked());
    EXPECT_TRUE(d.EditNo->text().isEmpty());
    EXPECT_EQ(Figures(d), QStringList({"10,000", "0", "10,000", "0", "0", "0", "10,000"}));
    d.ButtonPrintClick();
  });
  EXPECT_EQ(script_.Messages().last(), QStringLiteral("印刷対象がありません。"));

  TFormClaimList& empty = List(kCustomerKind, QDate(2023, 1, 1));
  EXPECT_EQ(empty.ListViewClaimList->rowCount(), 1);  // Sato's carry-over
  doc_.customers.Update(kSato, CustomerRecord{});
  TFormClaimList& none = List(kCustomerKind, QDate(2023, 2, 1));
  EXPECT_EQ(none.ListViewClaimList->rowCount(), 0);
  none.ButtonPrintListClick();
  EXPECT_EQ(script_.Messages().last(), QStringLiteral("印刷対象がありません。"));
  EXPECT_EQ(script_.Messages().size(), 3);
}

TEST_F(ClaimFormsTest, AmountsOutOfRangeShowAMessageAndAnEmptyList) {
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 4, 2), "900000000000", "900000000000");
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  // Once for the month shown first (today), once for April.
  EXPECT_EQ(script_.Messages(),
            QStringList(2, QStringLiteral("金額が大きすぎるため計算できません。")));
  EXPECT_EQ(list.ListViewClaimList->rowCount(), 0);
}

// 請求書作成 and 取引先別支払一覧 open the one claim list in their mode.
TEST(ClaimListFromMainWindow, InvoicesAndPaymentsDueOpenTheListInTheirMode) {
  MainWindowWithForms shell;
  TFormMain& main = shell.main;
  DialogScript script;
  for (const auto& [click, tag, caption] :
       {std::tuple{&TFormMain::ButtonClaimListClick, kCustomerKind, "請求書作成"},
        std::tuple{&TFormMain::ButtonPayListClick, kSupplierKind, "取引先別支払一覧"}}) {
    script.ExpectModal<TFormClaimList>([tag, caption](TFormClaimList& list) {
      EXPECT_EQ(list.Tag, tag);
      EXPECT_EQ(list.windowTitle(), QString::fromUtf8(caption));
      EXPECT_EQ(list.DateTimePickerMonth->date(), ToQDate(Today()));
      list.ButtonOk->click();
    });
    (main.*click)();
  }
  EXPECT_TRUE(script.Messages().isEmpty());
}

}  // namespace

namespace {

// The confirmation list prints the rows as shown, its totals from the amounts they show,
// and ends in the printer choice for report kind 5.
TEST_F(ClaimFormsTest, TheConfirmationListHandsTheShownRowsToThePrinterChoice) {
  WithPrintWindows();
  for (int mode : {kCustomerKind, kSupplierKind}) {
    TFormClaimList& list = List(mode, QDate(2024, 4, 15));
    const ConfirmationListSnapshot s = list.PrintSnapshot();
    EXPECT_EQ(s.payments, mode == kSupplierKind);
    EXPECT_EQ(s.month, QDate(2024, 4, 15));
    ASSERT_EQ(static_cast<int>(s.rows.size()), list.ListViewClaimList->rowCount());
    ASSERT_EQ(s.values.size(), s.rows.size());
    for (size_t r = 0; r < s.rows.size(); ++r) {
      EXPECT_EQ(s.rows[r], Row(list.ListViewClaimList, static_cast<int>(r)));
      EXPECT_EQ(QString::fromStdString(FormatAmount(s.values[r])), s.rows[r][1]);
    }
    QString job;
    script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
      EXPECT_EQ(printer.Tag, 5);
      job = printer.CurrentReport().jobSuffix;
      printer.reject();
    });
    list.ButtonPrintListClick();
    EXPECT_EQ(job, QLatin1Char(' ') + list.ButtonPrintList->text());
  }
  EXPECT_TRUE(script_.Messages().isEmpty());
}

}  // namespace

namespace {

// The invoice prints the window as it stands, and its 請求額 is the list's amount.
TEST_F(ClaimFormsTest, TheInvoicePrintsTheShownFiguresWhichEqualTheListsAmount) {
  WithPrintWindows();
  TFormClaimList& list = List(kCustomerKind, QDate(2024, 4, 15));
  for (int row = 0; row < list.ListViewClaimList->rowCount(); ++row) {
    const QString amount = list.ListViewClaimList->item(row, 1)->text();
    OpenDetail(list, row, [&](TFormClaimDetail& d) {
      d.ComboBoxTitle->setEditText(QStringLiteral("合計請求書"));
      d.CheckBoxBank->setChecked(true);
      const InvoiceSnapshot s = d.PrintSnapshot();
      EXPECT_EQ(s.figures, Figures(d));
      EXPECT_EQ(s.figures.last(), amount) << row;
      EXPECT_EQ(s.title, QStringLiteral("合計請求書"));
      EXPECT_TRUE(s.bank);
      EXPECT_EQ(s.partner.value(3), list.ListViewClaimList->item(row, 0)->text());
      ASSERT_EQ(static_cast<int>(s.rows.size()), d.ListViewClaimDetail->rowCount());
      if (s.rows.empty()) return;
      EXPECT_EQ(s.rows[0], Row(d.ListViewClaimDetail, 0));
      QString job;
      script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
        EXPECT_EQ(printer.Tag, 6);
        job = printer.CurrentReport().jobSuffix;
        printer.reject();
      });
      d.ButtonPrintClick();
      EXPECT_EQ(job, QStringLiteral(" 請求書"));
    });
  }
  EXPECT_TRUE(script_.Messages().isEmpty());
}

}  // namespace
