#include "form_tax_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>

#include "dates.h"
#include "dialog_script.h"
#include "document.h"
#include "list_view.h"
#include "list_window_pattern.h"
#include "ss_edit.h"
#include "tax_table.h"
#include "ui_test_helpers.h"

namespace {

void Click(QWidget* widget, QPoint at) {
  const QPointF global = widget->mapToGlobal(QPointF(at));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), global, Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
  }
  QApplication::processEvents();
}

QStringList Row(const QTableWidget* view, int row) {
  QStringList texts;
  for (int c = 0; c < view->columnCount(); ++c) texts << view->item(row, c)->text();
  return texts;
}

class TaxListTest : public testing::Test {
 protected:
  TaxListTest() : form(doc) { form.show(); }
  ~TaxListTest() override { form.hide(); }

  void AddRate(const QDate& start, const QString& rate) {
    form.DateTimePickerStartDay->setDate(start);
    form.SsEditRateAdd->SetText(rate);
    form.ButtonTaxAdd->click();
  }

  Document doc;
  DialogScript script;
  TFormTaxList form;
};

TEST(TaxTable, RowsShowRatesDatesAndTheOpenEnd) {
  TaxList taxes;
  taxes.Add(EncodeDate(2014, 4, 1), MoneyFromText("2.5"));
  const std::vector<QStringList> rows = TaxRows(taxes);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], (QStringList{"", "3%", "1989/04/01", "1997/03/31"}));
  EXPECT_EQ(rows[1], (QStringList{"", "5%", "1997/04/01", "2014/03/31"}));
  EXPECT_EQ(rows[2], (QStringList{"", "2.5%", "2014/04/01", "-"}));
  EXPECT_EQ(EarliestNewStart(taxes), EncodeDate(2014, 4, 2));
  while (taxes.Count() > 0) taxes.RemoveLast();
  EXPECT_EQ(EarliestNewStart(taxes), std::nullopt);
}

TEST(TaxTable, TheRateOfTheDayIsTheOneInForceOrNone) {
  TaxList taxes;
  const QString term = QStringLiteral("税率");
  EXPECT_EQ(RateOfTheDayText(taxes, EncodeDate(2026, 12, 9), term),
            QStringLiteral("本日（2026/12/09）の税率：5%"));
  AddCurrentRates(taxes);
  EXPECT_EQ(RateOfTheDayText(taxes, EncodeDate(2019, 9, 30), term),
            QStringLiteral("本日（2019/09/30）の税率：8%"));
  EXPECT_EQ(RateOfTheDayText(taxes, EncodeDate(1989, 3, 31), term),
            QStringLiteral("本日（1989/03/31）に適用される税率はありません"));
}

TEST_F(TaxListTest, NewDocumentShowsTheTwoDefaultRates) {
  ASSERT_EQ(form.ListViewTaxList->rowCount(), 2);
  EXPECT_TRUE(form.findChild<QLabel*>(QStringLiteral("LabelToday"))
                  ->text()
                  .endsWith(QStringLiteral("の税率：5%")));
  EXPECT_EQ(Row(form.ListViewTaxList, 1), (QStringList{"", "5%", "1997/04/01", "-"}));
  EXPECT_EQ(form.DateTimePickerStartDay->minimumDate(), QDate(1997, 4, 2));
}

TEST_F(TaxListTest, AddingEndsThePreviousRateAndMovesTheEarliestStart) {
  AddRate(QDate(2014, 4, 1), QStringLiteral("8"));
  EXPECT_TRUE(script.Messages().isEmpty());
  ASSERT_EQ(form.ListViewTaxList->rowCount(), 3);
  EXPECT_EQ(Row(form.ListViewTaxList, 1)[3], QStringLiteral("2014/03/31"));
  EXPECT_EQ(Row(form.ListViewTaxList, 2), (QStringList{"", "8%", "2014/04/01", "-"}));
  EXPECT_EQ(SelectedViewRow(form.ListViewTaxList), 2);
  EXPECT_EQ(form.DateTimePickerStartDay->minimumDate(), QDate(2014, 4, 2));
  // A start on or before the newest start cannot be picked.
  form.DateTimePickerStartDay->setDate(QDate(2014, 4, 1));
  EXPECT_EQ(form.DateTimePickerStartDay->date(), QDate(2014, 4, 2));
  EXPECT_TRUE(form.SsEditRateAdd->Text().isEmpty());
}

TEST_F(TaxListTest, DateTypedAfterOneClickOnTheYearIsTheStartRegistered) {
  ShowActive(&form);
  QDateEdit* picker = form.DateTimePickerStartDay;
  auto* edit = picker->findChild<QLineEdit*>();
  ASSERT_NE(edit, nullptr);
  edit->setCursorPosition(2);  // between "20" and the rest of the year
  const QPoint onYear = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
  edit->setCursorPosition(0);
  FocusOn(picker, Qt::MouseFocusReason);  // what the press gives on a screen
  Click(edit, onYear);
  TypeText(QApplication::focusWidget(), QStringLiteral("2031"));
  form.SsEditRateAdd->SetText(QStringLiteral("10"));
  FocusOn(form.ButtonTaxAdd, Qt::MouseFocusReason);  // a click takes the focus first
  EXPECT_EQ(picker->date().year(), 2031);
  form.ButtonTaxAdd->click();
  const int last = form.ListViewTaxList->rowCount() - 1;
  EXPECT_EQ(Row(form.ListViewTaxList, last)[1], QStringLiteral("10%"));
  EXPECT_TRUE(Row(form.ListViewTaxList, last)[2].startsWith(QStringLiteral("2031/")));
}

TEST_F(TaxListTest, NoStrayFirstColumnAndTheLastColumnFillsTheWidth) {
  QTableWidget* view = form.ListViewTaxList;
  EXPECT_TRUE(view->isColumnHidden(0));
  QApplication::processEvents();
  QHeaderView* header = view->horizontalHeader();
  EXPECT_EQ(header->sectionViewportPosition(3) + header->sectionSize(3), view->viewport()->width());
  EXPECT_EQ(view->rowHeight(0), ListRowHeight(view));
}

TEST_F(TaxListTest, BadRatesAreRefusedAndChangeNothing) {
  AddRate(QDate(2030, 1, 1), QStringLiteral("  "));
  AddRate(QDate(2030, 1, 1), QStringLiteral("abc"));
  // A rate below 0 would make the tax contained in an amount divide by zero at -100.
  AddRate(QDate(2030, 1, 1), QStringLiteral("-0.01"));
  AddRate(QDate(2030, 1, 1), QStringLiteral("-100"));
  EXPECT_EQ(script.Messages(),
            (QStringList{"税率を入力してください。", "税率の入力が正しくありません。",
                         "税率の入力が正しくありません。", "税率の入力が正しくありません。"}));
  EXPECT_EQ(doc.taxes.Count(), 2);
}

TEST_F(TaxListTest, ChangingARateAsksFirst) {
  form.ButtonTaxEdit->click();
  EXPECT_EQ(script.Messages().last(), QStringLiteral("変更する項目を選択してください。"));
  SelectViewRow(form.ListViewTaxList, 0);
  EXPECT_EQ(form.SsEditRateEdit->Text(), QStringLiteral("3"));
  EXPECT_EQ(form.EditStartDayEdit->text(), QStringLiteral("1989/04/01"));
  form.SsEditRateEdit->SetText(QStringLiteral("-5"));
  form.ButtonTaxEditClick();  // refused before the question
  EXPECT_EQ(script.Messages().last(), QStringLiteral("税率の入力が正しくありません。"));
  EXPECT_TRUE(script.Questions().isEmpty());
  form.SsEditRateEdit->SetText(QStringLiteral("4"));
  script.AnswerNo();
  form.ButtonTaxEditClick();
  EXPECT_EQ(script.Messages().last(), QStringLiteral("変更を中止しました。"));
  EXPECT_EQ(doc.taxes.Get(0).rate, Money::FromInt(3));
  form.SsEditRateEdit->SetText(QStringLiteral("4"));
  script.AnswerYes();
  form.ButtonTaxEditClick();
  EXPECT_EQ(doc.taxes.Get(0).rate, Money::FromInt(4));
  EXPECT_EQ(doc.taxes.Get(0).end, EncodeDate(1997, 3, 31));  // dates stay
  EXPECT_EQ(SelectedViewRow(form.ListViewTaxList), 0);
}

TEST_F(TaxListTest, DeletingTheNewestReopensThePreviousUntilNoneIsLeft) {
  script.AnswerNo();
  form.ButtonTaxDeleteClick();
  EXPECT_EQ(doc.taxes.Count(), 2);
  script.AnswerYes();
  form.ButtonTaxDeleteClick();
  ASSERT_EQ(form.ListViewTaxList->rowCount(), 1);
  EXPECT_EQ(Row(form.ListViewTaxList, 0)[3], QStringLiteral("-"));
  script.AnswerYes();
  form.ButtonTaxDeleteClick();
  EXPECT_EQ(form.ListViewTaxList->rowCount(), 0);
  form.ButtonTaxDeleteClick();
  EXPECT_EQ(script.Messages(), QStringList{QStringLiteral("削除する項目がありません。")});
  // A first rate can be entered again.
  AddRate(QDate::currentDate(), QStringLiteral("10"));
  EXPECT_EQ(doc.taxes.Count(), 1);
}

// The second table is the same piece over the reduced rates: its own controls, its own
// list, its own words in the messages, and the standard rates stay as they were.
TEST_F(TaxListTest, ReducedTableEditsOnlyTheReducedRates) {
  const auto standard = [this] { return TaxRows(doc.taxes); };
  const std::vector<QStringList> before = standard();
  QTableWidget* view = form.ListViewReducedTaxList;
  ASSERT_EQ(form.findChild<QTableWidget*>(QStringLiteral("ListViewReducedTaxList")), view);
  ASSERT_EQ(view->rowCount(), 1);
  EXPECT_EQ(Row(view, 0), (QStringList{"", "8%", "2019/10/01", "-"}));
  EXPECT_EQ(form.DateTimePickerReducedStartDay->minimumDate(), QDate(2019, 10, 2));

  form.SsEditReducedRateAdd->SetText(QStringLiteral("x"));
  form.ButtonReducedTaxAdd->click();
  EXPECT_EQ(script.Messages().last(), QStringLiteral("軽減税率の入力が正しくありません。"));
  form.DateTimePickerReducedStartDay->setDate(QDate(2031, 4, 1));
  form.SsEditReducedRateAdd->SetText(QStringLiteral("6.5"));
  form.ButtonReducedTaxAdd->click();
  ASSERT_EQ(view->rowCount(), 2);
  EXPECT_EQ(Row(view, 0)[3], QStringLiteral("2031/03/31"));
  EXPECT_EQ(Row(view, 1), (QStringList{"", "6.5%", "2031/04/01", "-"}));
  EXPECT_EQ(SelectedViewRow(view), 1);
  EXPECT_EQ(form.DateTimePickerReducedStartDay->minimumDate(), QDate(2031, 4, 2));

  SelectViewRow(view, 0);
  EXPECT_EQ(form.SsEditReducedRateEdit->Text(), QStringLiteral("8"));
  EXPECT_EQ(form.EditReducedStartDayEdit->text(), QStringLiteral("2019/10/01"));
  form.SsEditReducedRateEdit->SetText(QStringLiteral("7"));
  script.AnswerYes();
  form.ButtonReducedTaxEdit->click();
  EXPECT_EQ(script.Questions().last(), QStringLiteral("軽減税率を変更します、よろしいですか？"));
  EXPECT_EQ(doc.invoice.reducedRates.Get(0).rate, Money::FromInt(7));

  script.AnswerYes();
  form.ButtonReducedTaxDelete->click();
  EXPECT_EQ(script.Questions().last(),
            QStringLiteral("一番新しい軽減税率を削除します。よろしいですか？"));
  ASSERT_EQ(doc.invoice.reducedRates.Count(), 1);
  EXPECT_EQ(doc.invoice.reducedRates.Get(0).end, -1);
  EXPECT_EQ(Row(view, 0), (QStringList{"", "7%", "2019/10/01", "-"}));
  EXPECT_EQ(standard(), before);
  EXPECT_EQ(form.ListViewTaxList->rowCount(), 2);

  // And the standard table's changes stay out of the reduced rates.
  AddRate(QDate(2032, 1, 1), QStringLiteral("12"));
  EXPECT_EQ(doc.taxes.Count(), 3);
  EXPECT_EQ(doc.invoice.reducedRates.Count(), 1);
  EXPECT_EQ(view->rowCount(), 1);
}

// Deleting the one reduced rate by mistake must not lock its day out: it can be entered
// again at once, and after the window is opened anew.
TEST_F(TaxListTest, TheReducedRateDeletedToNothingCanBeginAgainOnItsOwnDay) {
  for (bool reopen : {false, true}) {
    SCOPED_TRACE(reopen);
    script.AnswerYes();
    form.ButtonReducedTaxDelete->click();
    ASSERT_EQ(doc.invoice.reducedRates.Count(), 0);
    if (reopen) {
      form.hide();
      form.show();
    }
    form.DateTimePickerReducedStartDay->setDate(QDate(2019, 10, 1));
    form.SsEditReducedRateAdd->SetText(QStringLiteral("8"));
    form.ButtonReducedTaxAdd->click();
    ASSERT_EQ(doc.invoice.reducedRates.Count(), 1);
    EXPECT_EQ(doc.invoice.reducedRates.Get(0).start, EncodeDate(2019, 10, 1));
  }
  // The standard table keeps its own earliest day.
  EXPECT_EQ(form.DateTimePickerStartDay->minimumDate(), QDate(1997, 4, 2));
}

}  // namespace
