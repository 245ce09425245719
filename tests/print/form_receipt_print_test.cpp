#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "form_main.h"
#include "form_receipt_print.h"
#include "print_fixture.h"
#include "sjis_codec.h"
#include "ss_edit.h"

namespace {

std::string Sjis(const char* utf8) {
  return ToSjis(QString::fromUtf8(utf8)).value();
}

class ReceiptPrintTest : public PrintFormsTest {
 protected:
  TFormReceiptPrint& Form() { return *Forms().As<TFormReceiptPrint>(FormId::ReceiptPrint); }
  void Open(std::function<void(TFormReceiptPrint&)> act) {
    script_.ExpectModal<TFormReceiptPrint>(std::move(act));
    ShowModal(&Form());
  }
  // Enters the field, types the text key by key at the caret, and leaves it.
  static QString TypeInto(TSsEdit* edit, const QString& text) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &in);
    edit->selectAll();
    for (QChar ch : text) edit->insert(ch);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
    return edit->text();
  }
};

}  // namespace

TEST_F(ReceiptPrintTest, EveryOpeningStartsANewReceiptButKeepsAmountAndTadashi) {
  CustomerRecord c;
  c.name = Sjis("山田商店");
  doc_.customers.Add(c);
  c.name = Sjis("佐藤商事");
  doc_.customers.Add(c);
  Open([](TFormReceiptPrint& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("領収書印刷"));
    EXPECT_EQ(f.ComboBoxTitle->currentText(), QStringLiteral("領収書"));
    EXPECT_EQ(f.ComboBoxNameTitle->currentText(), QStringLiteral("御中"));
    EXPECT_EQ(f.EditTadashi->text(), QStringLiteral("但し、商品代として"));
    EXPECT_EQ(f.DateTimePickerReceiptDate->date(), QDate::currentDate());
    ASSERT_EQ(f.ComboBoxCustomer->count(), 2);
    EXPECT_EQ(f.ComboBoxCustomer->itemText(1), QStringLiteral("佐藤商事"));
    EXPECT_EQ(f.ComboBoxUchiwake[0]->count(), 8);
    EXPECT_EQ(f.ComboBoxUchiwake[0]->itemText(3), QStringLiteral("現　金"));
    f.ComboBoxTitle->setCurrentIndex(1);
    f.EditNo->setText("7");
    f.CheckBoxTadashi->setChecked(true);
    f.CheckBoxInshi->setChecked(true);
    f.ComboBoxUchiwake[2]->setCurrentIndex(2);
    f.SsEditUchiwake[3]->setText("5");
    f.SsEditPrice->setText("100");
    f.EditTadashi->setText(QStringLiteral("但し、お品代として"));
    f.ButtonOk->click();
  });
  Open([](TFormReceiptPrint& f) {
    EXPECT_EQ(f.ComboBoxTitle->currentText(), QStringLiteral("領収書"));
    EXPECT_TRUE(f.EditNo->text().isEmpty());
    EXPECT_FALSE(f.CheckBoxTadashi->isChecked());
    EXPECT_FALSE(f.CheckBoxInshi->isChecked());
    EXPECT_TRUE(f.ComboBoxUchiwake[2]->currentText().isEmpty());
    EXPECT_TRUE(f.SsEditUchiwake[3]->text().isEmpty());
    EXPECT_EQ(f.SsEditPrice->text(), "100");
    EXPECT_EQ(f.EditTadashi->text(), QStringLiteral("但し、お品代として"));
    f.ButtonOk->click();
  });
}

// All five amounts keep the typed text until the field is left, then cut to two decimals;
// what is no amount becomes 0 (received amount) or empty (breakdown).
TEST_F(ReceiptPrintTest, AmountFieldsReformatWhenLeft) {
  Open([](TFormReceiptPrint& f) {
    struct Case {
      const char* typed;
      const char* price;
      const char* breakdown;
    };
    for (const Case& k : {Case{"12345.678", "12,345.67", "12,345.67"}, Case{"1.5", "1.5", "1.5"},
                          Case{"-5000", "-5,000", "-5,000"}, Case{"1a", "0", ""}}) {
      EXPECT_EQ(TypeInto(f.SsEditPrice, k.typed), k.price) << k.typed;
      for (TSsEdit* e : f.SsEditUchiwake) {
        EXPECT_EQ(TypeInto(e, k.typed), k.breakdown) << k.typed;
      }
    }
    // Editing in the middle keeps the caret where it is.
    TSsEdit* e = f.SsEditUchiwake[3];
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    e->setText("12");
    QApplication::sendEvent(e, &in);
    e->setCursorPosition(1);
    e->insert("5");
    EXPECT_EQ(e->text(), "152");
    EXPECT_EQ(e->cursorPosition(), 2);
    // A kind that CP932 cannot hold is refused.
    f.ComboBoxUchiwake[0]->setEditText(QStringLiteral("現金"));
    f.ComboBoxUchiwake[0]->lineEdit()->insert(QStringLiteral("😀"));
    EXPECT_EQ(f.ComboBoxUchiwake[0]->currentText(), QStringLiteral("現金"));
    f.ButtonOk->click();
  });
}

TEST_F(ReceiptPrintTest, PrintHandsTheFilledReceiptToThePrinterChoice) {
  doc_.company.name = Sjis("てんぽ商店");
  Open([&](TFormReceiptPrint& f) {
    f.ComboBoxCustomer->setEditText(QStringLiteral("山田商店"));
    f.ComboBoxNameTitle->setCurrentIndex(1);
    f.SsEditPrice->setText("12,345");
    f.ComboBoxUchiwake[0]->setCurrentIndex(3);
    const ReceiptSnapshot s = f.Snapshot();
    EXPECT_EQ(s.customer, QStringLiteral("山田商店"));
    EXPECT_EQ(s.nameTitle, QStringLiteral("様"));
    EXPECT_EQ(s.kinds[0], QStringLiteral("現　金"));
    EXPECT_EQ(s.company.value(3), QStringLiteral("てんぽ商店"));
    int pages = 0;
    script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
      EXPECT_EQ(printer.Tag, 11);
      pages = printer.CurrentReport().pageCount;
      EXPECT_EQ(printer.CurrentReport().jobSuffix, QStringLiteral(" 領収書"));
      printer.reject();
    });
    f.ButtonPrintClick();
    EXPECT_EQ(pages, 1);
    f.ButtonOk->click();
  });
}

// 領収書作成 opens the receipt window with tag 1, created in its place among the windows.
TEST(ReceiptFromMainWindow, TheReceiptButtonOpensTheReceiptWindow) {
  TFormMain main;
  FormFactories factories;
  AddMasterForms(factories);
  AddPrintForms(factories);
  Forms().Create(factories, main.Doc());
  DialogScript script;
  bool shown = false;
  script.ExpectModal<TFormReceiptPrint>([&](TFormReceiptPrint& f) {
    shown = true;
    EXPECT_EQ(f.Tag, 1);
    f.ButtonOk->click();
  });
  main.ButtonReceiptPrintClick();
  EXPECT_TRUE(shown);
  Forms().Destroy();
}
