#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "date_convert.h"
#include "form_customer_sales_list.h"
#include "form_date_sales_list.h"
#include "form_item_sales_list.h"
#include "form_main.h"
#include "form_return_list.h"
#include "form_set_printer.h"
#include "pdf_output.h"
#include "print_forms.h"
#include "print_hand_off.h"
#include "ss_edit.h"
#include "trade_fixture.h"

namespace {

QStringList Row(const QTableWidget* view, int row) {
  QStringList texts;
  for (int c = 0; c < view->columnCount(); ++c) texts << view->item(row, c)->text();
  return texts;
}

class AnalysisWindowsTest : public TradeFormsTest {
 protected:
  template <class Window>
  Window& Open(FormId id) {
    auto* window = Forms().As<Window>(id);
    window->hide();
    window->show();
    return *window;
  }
  static void SetPeriod(TFormPeriodList& w, const QDate& from, const QDate& to) {
    w.DateTimePickerFrom->setDate(from);
    w.DateTimePickerTo->setDate(to);
  }
};

TEST_F(AnalysisWindowsTest, ItemSalesComputeOnRefreshAndPrintAlwaysUsesTheCurrentFilters) {
  // Pencil: 10 x 1,000 sold, 2 returned (cost 600). Eraser: sold and returned alike.
  StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 3, 1), "1000", "10");
  StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2024, 3, 3), "1000", "2");
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 3, 2), "33.33", "3", kEraser);
  StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2024, 3, 2), "33.33", "3", kEraser);
  StoreSlip(kPurchaseSlip, 0, EncodeDate(2024, 3, 2), "1", "99");

  auto& w = Open<TFormItemSalesList>(FormId::ItemSalesList);
  EXPECT_EQ(w.windowTitle(), QStringLiteral("商品別明細一覧"));
  EXPECT_EQ(w.ListViewSalesList->rowCount(), 0);
  EXPECT_EQ(w.SsEditTotalPrice->text(), QStringLiteral("0"));
  EXPECT_EQ(w.DateTimePickerFrom->date(), ToQDate(Today()));
  EXPECT_TRUE(w.ListViewSalesList->isColumnHidden(6));

  SetPeriod(w, QDate(2024, 3, 1), QDate(2024, 3, 3));
  EXPECT_EQ(w.ListViewSalesList->rowCount(), 0);  // nothing until 更新
  w.ButtonRefresh->click();
  ASSERT_EQ(w.ListViewSalesList->rowCount(), 2);
  EXPECT_EQ(Row(w.ListViewSalesList, 0),
            QStringList({"A-1", "鉛筆", "8", "8,000", "4,800", "3,200", "0"}));
  EXPECT_EQ(Row(w.ListViewSalesList, 1), QStringList({"B-2", "消しゴム", "0", "0", "0", "0", "1"}));
  EXPECT_EQ(w.SsEditTotalPrice->text(), QStringLiteral("8,000"));
  EXPECT_EQ(w.SsEditTotalCost->text(), QStringLiteral("4,800"));
  EXPECT_EQ(w.SsEditTotalProfit->text(), QStringLiteral("3,200"));
  EXPECT_FALSE(w.IsDirty());

  // The zero switch alone changes nothing on screen but marks the list out of date.
  w.CheckBoxZero->setChecked(true);
  EXPECT_EQ(w.ListViewSalesList->rowCount(), 2);
  EXPECT_TRUE(w.IsDirty());
  w.ButtonPrintClick();
  EXPECT_EQ(w.ListViewSalesList->rowCount(), 1);
  EXPECT_TRUE(script_.Messages().isEmpty());
  const ListReportSnapshot snapshot = w.Snapshot();
  EXPECT_EQ(snapshot.report, 7);
  ASSERT_EQ(snapshot.rows.size(), 1u);
  EXPECT_EQ(snapshot.rows[0].size(), 6);  // the hidden id is not printed
  EXPECT_EQ(snapshot.totals, QStringList({"8,000", "4,800", "3,200"}));

  // A period without sales: print recomputes and refuses.
  SetPeriod(w, QDate(2024, 3, 4), QDate(2024, 3, 5));
  w.ButtonPrintClick();
  EXPECT_EQ(script_.Messages(), QStringList({"印刷対象がありません。"}));
  EXPECT_EQ(w.SsEditTotalPrice->text(), QStringLiteral("0"));

  // Showing again: unticked, empty, yet print computes what the window shows.
  StoreSlip(kShipmentSlip, kSato, Today(), "5", "1");
  auto& again = Open<TFormItemSalesList>(FormId::ItemSalesList);
  EXPECT_FALSE(again.CheckBoxZero->isChecked());
  EXPECT_TRUE(again.IsDirty());
  again.ButtonPrintClick();
  EXPECT_EQ(again.ListViewSalesList->rowCount(), 2);
  EXPECT_EQ(script_.Messages().size(), 1);
}

TEST_F(AnalysisWindowsTest, SalesWindowsKeepThePeriodInOrderTheReturnListDoesNot) {
  auto& sales = Open<TFormDateSalesList>(FormId::DateSalesList);
  SetPeriod(sales, QDate(2024, 3, 1), QDate(2024, 3, 3));
  sales.DateTimePickerFrom->setDate(QDate(2024, 3, 10));
  EXPECT_EQ(sales.DateTimePickerTo->date(), QDate(2024, 3, 10));
  sales.DateTimePickerTo->setDate(QDate(2024, 3, 5));
  EXPECT_EQ(sales.DateTimePickerFrom->date(), QDate(2024, 3, 5));

  auto& returns = Open<TFormReturnList>(FormId::ReturnList);
  SetPeriod(returns, QDate(2024, 3, 1), QDate(2024, 3, 3));
  returns.DateTimePickerFrom->setDate(QDate(2024, 3, 10));
  EXPECT_EQ(returns.DateTimePickerTo->date(), QDate(2024, 3, 3));
}

TEST_F(AnalysisWindowsTest, CustomerAndDateWindowsRoundPerCustomerAndListEveryDay) {
  // 1,000.5 a unit: Yamada rounds half up, Sato truncates, Suzuki the company's round up.
  StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 2, 28), "1000.5", "1");
  StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 3, 1), "1000.5", "1");
  StoreSlip(kShipmentSlip, kSuzuki, EncodeDate(2024, 3, 1), "1000.5", "1");

  auto& customers = Open<TFormCustomerSalesList>(FormId::CustomerSalesList);
  SetPeriod(customers, QDate(2024, 2, 28), QDate(2024, 3, 1));
  customers.ButtonRefresh->click();
  ASSERT_EQ(customers.ListViewSalesList->rowCount(), 3);
  EXPECT_EQ(Row(customers.ListViewSalesList, 0),
            QStringList({"山田商店", "1,001", "600", "401", "0"}));
  EXPECT_EQ(Row(customers.ListViewSalesList, 1),
            QStringList({"佐藤商事", "1,000", "600", "400", "1"}));
  EXPECT_EQ(Row(customers.ListViewSalesList, 2),
            QStringList({"鈴木商会", "1,001", "600", "401", "2"}));
  EXPECT_EQ(customers.SsEditTotalPrice->text(), QStringLiteral("3,002"));

  auto& days = Open<TFormDateSalesList>(FormId::DateSalesList);
  SetPeriod(days, QDate(2024, 2, 28), QDate(2024, 3, 1));
  days.ButtonRefresh->click();
  ASSERT_EQ(days.ListViewSalesList->rowCount(), 3);
  EXPECT_EQ(Row(days.ListViewSalesList, 1), QStringList({"2024/02/29", "0", "0", "0", "1"}));
  EXPECT_EQ(Row(days.ListViewSalesList, 2),
            QStringList({"2024/03/01", "2,001", "1,200", "801", "2"}));
  days.CheckBoxZero->setChecked(true);
  days.ButtonRefresh->click();
  EXPECT_EQ(days.ListViewSalesList->rowCount(), 2);
  EXPECT_EQ(days.SsEditTotalProfit->text(), QStringLiteral("1,202"));
}

// A total of ten digits and a sign shows whole in every window at its first size: a cut
// figure would read as another number.
TEST_F(AnalysisWindowsTest, LargeTotalsShowWholeAtTheWindowsFirstSize) {
  StoreSlip(kShipmentReturnSlip, kYamada, EncodeDate(2024, 3, 1), "1234567.89", "1000");
  const auto showsWhole = [](TFormPeriodList& w, std::initializer_list<TSsEdit*> totals) {
    SetPeriod(w, QDate(2024, 3, 1), QDate(2024, 3, 1));
    w.ButtonRefresh->click();
    for (TSsEdit* total : totals) {
      EXPECT_GE(total->width(), total->fontMetrics().horizontalAdvance(total->text()) + 10)
          << total->objectName().toStdString() << " " << total->text().toStdString();
    }
  };
  auto& items = Open<TFormItemSalesList>(FormId::ItemSalesList);
  showsWhole(items, {items.SsEditTotalPrice, items.SsEditTotalCost, items.SsEditTotalProfit});
  auto& customers = Open<TFormCustomerSalesList>(FormId::CustomerSalesList);
  showsWhole(customers,
             {customers.SsEditTotalPrice, customers.SsEditTotalProfit, customers.SsEditTotalCost});
  auto& days = Open<TFormDateSalesList>(FormId::DateSalesList);
  showsWhole(days, {days.SsEditTotalPrice, days.SsEditTotalProfit});
  auto& returns = Open<TFormReturnList>(FormId::ReturnList);
  returns.ComboBoxKind->setCurrentIndex(1);
  showsWhole(returns, {returns.SsEditTotalNum, returns.SsEditTotalPrice});
}

TEST_F(AnalysisWindowsTest, ReturnListKeepsItsChoicesAndShowsSubtotalsWithoutPrice) {
  StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2024, 3, 2), "33.33", "3", kEraser);
  StoreSlip(kShipmentReturnSlip, kYamada, EncodeDate(2024, 3, 1), "1000", "1");
  StoreSlip(kPurchaseReturnSlip, 0, EncodeDate(2024, 3, 1), "500", "2");

  auto& w = Open<TFormReturnList>(FormId::ReturnList);
  SetPeriod(w, QDate(2024, 3, 1), QDate(2024, 3, 2));
  w.ButtonRefresh->click();  // 仕入 first
  ASSERT_EQ(w.ListViewReturnList->rowCount(), 1);
  EXPECT_EQ(Row(w.ListViewReturnList, 0),
            QStringList({"A-1", "鉛筆", "2", "500", "1,000", "2024/03/01", "田中問屋"}));

  w.ComboBoxKind->setCurrentIndex(1);
  w.CheckBoxSubTotal->setChecked(true);
  EXPECT_TRUE(w.IsDirty());
  w.ButtonRefresh->click();
  ASSERT_EQ(w.ListViewReturnList->rowCount(), 4);
  EXPECT_EQ(Row(w.ListViewReturnList, 1),
            QStringList({"", "山田商店 小計", "1", "", "1,000", "", ""}));
  EXPECT_EQ(Row(w.ListViewReturnList, 2),
            QStringList({"B-2", "消しゴム", "3", "33.33", "99.99", "2024/03/02", "佐藤商事"}));
  EXPECT_EQ(w.SsEditTotalNum->text(), QStringLiteral("4"));
  EXPECT_EQ(w.SsEditTotalPrice->text(), QStringLiteral("1,099.99"));

  auto& again = Open<TFormReturnList>(FormId::ReturnList);
  EXPECT_EQ(again.ComboBoxKind->currentIndex(), 1);
  EXPECT_TRUE(again.CheckBoxSubTotal->isChecked());
  EXPECT_EQ(again.ListViewReturnList->rowCount(), 0);
  EXPECT_EQ(again.SsEditTotalNum->text(), QStringLiteral("0"));
  // A reversed period lists nothing.
  SetPeriod(again, QDate(2024, 3, 2), QDate(2024, 3, 1));
  again.ButtonPrintClick();
  EXPECT_EQ(script_.Messages(), QStringList({"印刷対象がありません。"}));
}

TEST_F(AnalysisWindowsTest, AnOverflowIsAMessageAndAnEmptyList) {
  StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 3, 1), "900000000000000", "1");
  StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 3, 1), "900000000000000", "1");
  auto& w = Open<TFormCustomerSalesList>(FormId::CustomerSalesList);
  SetPeriod(w, QDate(2024, 3, 1), QDate(2024, 3, 1));
  w.ButtonRefresh->click();
  EXPECT_EQ(script_.Messages(), QStringList({"金額が大きすぎるため計算できません。"}));
  EXPECT_EQ(w.ListViewSalesList->rowCount(), 0);
  EXPECT_EQ(w.SsEditTotalPrice->text(), QStringLiteral("0"));

  // Nor is a CSV of it written.
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sales.csv"));
  script_.ChooseSaveFile(path);
  w.ListViewSalesList->findChild<QAction*>(QStringLiteral("ActionSaveCsv"))->trigger();
  EXPECT_EQ(script_.Messages().size(), 2);
  EXPECT_EQ(script_.Messages().back(), QStringLiteral("金額が大きすぎるため計算できません。"));
  EXPECT_FALSE(QFile::exists(path));
}

// Each window's 印刷 hands the rows and totals it shows to its report in the printer choice.
TEST_F(AnalysisWindowsTest, PrintHandsEachWindowsReportToThePrinterChoice) {
  WithPrintWindows();
  StoreSlip(kShipmentSlip, kYamada, EncodeDate(2024, 3, 1), "1000", "10");
  StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2024, 3, 2), "33.33", "3", kEraser);
  auto& items = Open<TFormItemSalesList>(FormId::ItemSalesList);
  auto& customers = Open<TFormCustomerSalesList>(FormId::CustomerSalesList);
  auto& days = Open<TFormDateSalesList>(FormId::DateSalesList);
  auto& returns = Open<TFormReturnList>(FormId::ReturnList);
  returns.ComboBoxKind->setCurrentIndex(1);
  struct Case {
    TFormPeriodList* window;
    int kind;
    QString suffix;
    const TSsEdit* total;  // printed in the totals box, after the yen sign but the quantity
  };
  for (const Case& k :
       {Case{&items, kReportItemSales, " 商品別明細一覧", items.SsEditTotalPrice},
        Case{&customers, kReportCustomerSales, " 取引先別一覧", customers.SsEditTotalProfit},
        Case{&days, kReportDateSales, " 日付別一覧", days.SsEditTotalPrice},
        Case{&returns, kReportReturnList, " 返品明細一覧", returns.SsEditTotalNum}}) {
    SetPeriod(*k.window, QDate(2024, 3, 1), QDate(2024, 3, 2));
    bool shown = false;
    script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
      shown = true;
      EXPECT_EQ(printer.Tag, k.kind);
      EXPECT_EQ(printer.CurrentReport().jobSuffix, k.suffix);
      const std::vector<Page> pages = DrawReport(printer.CurrentReport(), PdfMetrics());
      ASSERT_EQ(pages.size(), 1u);
      const QString total =
          k.total == returns.SsEditTotalNum ? k.total->Text() : "\\" + k.total->Text();
      EXPECT_NE(k.total->Text(), QStringLiteral("0"));
      bool printed = false;
      for (const PageOp& op : pages[0].ops) {
        if (const auto* t = std::get_if<TextOp>(&op)) printed = printed || t->text == total;
      }
      EXPECT_TRUE(printed) << total.toStdString();
      printer.reject();
    });
    k.window->ButtonPrintClick();
    EXPECT_TRUE(shown) << k.suffix.toStdString();
  }
  EXPECT_TRUE(script_.Messages().isEmpty());
}

// The 各種明細一覧 menu opens each window in turn.
TEST(AnalysisFromMainWindow, EachMenuItemOpensItsWindow) {
  TFormMain main;
  FormFactories factories;
  AddTradeForms(factories);
  Forms().Create(factories, main.Doc());
  DialogScript script;
  script.ExpectModal<TFormItemSalesList>([](TFormItemSalesList& w) { w.ButtonOk->click(); });
  script.ExpectModal<TFormCustomerSalesList>(
      [](TFormCustomerSalesList& w) { w.ButtonOk->click(); });
  script.ExpectModal<TFormDateSalesList>([](TFormDateSalesList& w) { w.ButtonOk->click(); });
  script.ExpectModal<TFormReturnList>([](TFormReturnList& w) { w.ButtonOk->click(); });
  main.MenuItemItemClick();
  main.MenuItemCustomerClick();
  main.MenuItemDateClick();
  main.N3Click();
  EXPECT_TRUE(script.Messages().isEmpty());
  Forms().Destroy();
}

}  // namespace
