#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>

#include "archive_folder.h"
#include "dates.h"
#include "form_delivery_print.h"
#include "print_fixture.h"
#include "slip_values.h"
#include "ss_edit.h"
#include "text_bytes.h"
#include "ui_test_helpers.h"

namespace {

class DeliveryPrintTest : public PrintFormsTest {
 protected:
  void SetUp() override {
    PrintFormsTest::SetUp();
    doc_.items.Add("P1", "item", "", "", "10.5", "0", "", "", 0, 0, 0, 0);  // tax excluded
    CustomerRecord c;
    c.name = "Customer Ltd";
    c.rounding = 0;  // 切捨て
    doc_.customers.Add(c);
    doc_.customers.Add(c);  // the partner of the slip is the second one
  }
  int32_t AddSlip(int lines, int kind = 1) {
    Slip s;
    s.kind = kind;
    s.date = EncodeDate(2024, 4, 5);
    s.partner = doc_.customers.Get(1).id;
    s.number = "No.9";
    for (int i = 0; i < lines; ++i) s.AddLine("0", "10.5", "3", "");
    doc_.slips.Add(s);
    return s.id;
  }
  TFormDeliveryPrint& Form() { return *Forms().As<TFormDeliveryPrint>(FormId::DeliveryPrint); }
  void Open(int32_t slip, std::function<void(TFormDeliveryPrint&)> act) {
    Form().Tag = 1;
    Form().Prepare(slip, 1);
    script_.ExpectModal<TFormDeliveryPrint>(std::move(act));
    ShowModal(&Form());
  }
};

}  // namespace

TEST_F(DeliveryPrintTest, ShowsTheSlipWithTheDefaultOptionsAndTheSlipTotal) {
  const int32_t id = AddSlip(2);
  Open(id, [&](TFormDeliveryPrint& f) {
    EXPECT_EQ(f.windowTitle(), QStringLiteral("納品書印刷"));
    EXPECT_EQ(f.EditTitle->text(), QStringLiteral("納品書"));
    EXPECT_EQ(f.EditNo->text(), "No.9");
    EXPECT_EQ(f.ComboBoxNameTitle->currentText(), QStringLiteral("御中"));
    EXPECT_EQ(f.EditComment->text(), QStringLiteral("※品目・数量をご確認ください"));
    EXPECT_FALSE(f.CheckBoxTantou->isChecked());
    EXPECT_FALSE(f.CheckBoxKakunin->isChecked());
    EXPECT_EQ(f.DateTimePickerDeliverDate->date(), QDate(2024, 4, 5));
    ASSERT_EQ(f.ListViewDeliveryList->rowCount(), 2);
    // 10.5 x 3 = 31.5 is 31 under truncation, before its tax.
    EXPECT_EQ(f.ListViewDeliveryList->item(0, 5)->text(), "31");
    EXPECT_EQ(f.SsEditSubTotal->Text(), "62");
    EXPECT_EQ(f.SsEditGrandTotal->Text(),
              QString::fromStdString(FormatAmount(SlipTotal(doc_, id, 0))));
    f.accept();
  });
}

TEST_F(DeliveryPrintTest, PrintsTheOptionsAsChangedAndPagesThroughTwoPages) {
  const int32_t id = AddSlip(25);
  Open(id, [&](TFormDeliveryPrint& f) {
    f.EditTitle->setText(QStringLiteral("御請求書"));
    f.CheckBoxKakunin->setChecked(true);
    f.ComboBoxNameTitle->setEditText(QStringLiteral("様"));
    script_.ExpectModal<TFormSetPrinter>([&](TFormSetPrinter& printer) {
      EXPECT_EQ(printer.Tag, kReportDeliveryNote);
      EXPECT_EQ(printer.CurrentReport().jobSuffix, QStringLiteral(" 納品書"));
      script_.ExpectModal<TFormPreview>([](TFormPreview& p) {
        EXPECT_EQ(p.LabelPage->text(), "1 / 2");
        p.ButtonNext->click();
        EXPECT_EQ(p.LabelPage->text(), "2 / 2");
        p.reject();
      });
      printer.ButtonPreview->click();
      const Page first = printer.CurrentReport().draw(PdfMetrics(), 1);
      bool title = false, stamp = false, name = false;
      for (const PageOp& op : first.ops) {
        if (const auto* t = std::get_if<TextOp>(&op)) {
          title = title || t->text == QStringLiteral("御請求書");
          stamp = stamp || t->text == QStringLiteral("確認印");
          name = name || t->text == QStringLiteral("Customer Ltd　様");
        }
      }
      EXPECT_TRUE(title);
      EXPECT_TRUE(stamp);
      EXPECT_TRUE(name);
      printer.ButtonCancel->click();
    });
    f.ButtonPrint->click();
    f.accept();
  });
}

// The marked product takes 8 %: 31 + 31 = 62, its tax 4.96 truncated once.
TEST_F(DeliveryPrintTest, EditedOptionsKeepTheQualifiedInvoiceParts) {
  doc_.invoice.enabled = true;
  doc_.invoice.registrationNumber = "T1234567890123";
  doc_.invoice.reducedItems = {0};
  const int32_t id = AddSlip(2);
  Open(id, [&](TFormDeliveryPrint& f) {
    f.EditTitle->setText(QStringLiteral("御請求書"));
    f.EditComment->clear();
    const DeliveryNoteSnapshot s = f.Snapshot();
    EXPECT_EQ(s.title, QStringLiteral("御請求書"));
    EXPECT_EQ(s.registration, QStringLiteral("登録番号 T1234567890123"));
    EXPECT_EQ(s.rateRows, std::vector<QStringList>({{"8%", "\\62", "\\4"}}));
    ASSERT_EQ(s.rows.size(), 2u);
    EXPECT_TRUE(s.rows[0].reduced && s.rows[1].reduced);
    EXPECT_EQ(s.total, "66");
    f.accept();
  });
}

TEST_F(DeliveryPrintTest, ASlipWithoutLinesIsNotPrinted) {
  const int32_t id = AddSlip(0);
  Open(id, [&](TFormDeliveryPrint& f) {
    f.ButtonPrint->click();
    f.accept();
  });
  EXPECT_EQ(script_.Messages(), QStringList{QStringLiteral("印刷対象がありません。")});
}

// Enter walks the options in reading order. What is typed is printed as CP932: a character
// it cannot hold is refused with a tip, and the yen sign is kept as 0x5C.
TEST_F(DeliveryPrintTest, EnterWalksTheOptionsAndTypedWordingsRefuseWhatCannotBePrinted) {
  Open(AddSlip(1), [&](TFormDeliveryPrint& f) {
    ShowActive(&f);
    FocusOn(f.DateTimePickerDeliverDate);
    EXPECT_EQ(WalkWithEnter(7),
              (QStringList{"EditTitle", "EditNo", "ComboBoxNameTitle", "EditComment",
                           "CheckBoxTantou", "CheckBoxKakunin", "ListViewDeliveryList"}));
    for (QLineEdit* field : {f.EditTitle, f.ComboBoxNameTitle->lineEdit(), f.EditComment}) {
      field->clear();
      QToolTip::hideText();
      FocusOn(field);
      TypeText(field, QStringLiteral("納😀品¥"));
      EXPECT_EQ(field->text(), QStringLiteral("納品¥")) << field->objectName().toStdString();
      EXPECT_EQ(QToolTip::text(), QStringLiteral("「😀」は使用できません"));
      EXPECT_EQ(TextBytes(field->text()), TextBytes(QStringLiteral("納品")) + "\\");
    }
    f.accept();
  });
}

// Printed to PDF from the window, the note is kept with the slip's date, the total on the
// paper and the partner.
TEST_F(DeliveryPrintTest, TheIssuedNoteIsKeptAsPrinted) {
  QTemporaryDir dir;
  doc_.filePath = dir.filePath(QStringLiteral("shop.TLG"));
  const int32_t id = AddSlip(2);
  script_.ChooseSaveFile(dir.filePath(QStringLiteral("note.pdf")));
  Form().Tag = 1;
  Form().Prepare(id, 1);
  script_.ExpectModal<TFormDeliveryPrint>([&](TFormDeliveryPrint& f) {
    f.SsEditGrandTotal->SetText(QStringLiteral("70"));  // typed over
    f.ButtonPrint->click();
    f.accept();
  });
  script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& p) { p.ButtonPrint->click(); });
  ShowModal(&Form());
  const std::vector<ArchiveEntry> kept = ReadArchive(dir.filePath(QStringLiteral("shop_発行書類")));
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].kind, ArchiveKind::DeliveryNote);
  EXPECT_EQ(kept[0].date, QDate(2024, 4, 5));
  EXPECT_EQ(kept[0].amount, Money::FromInt(70));
  EXPECT_EQ(kept[0].partner, QStringLiteral("Customer Ltd"));
  EXPECT_EQ(kept[0].number, QStringLiteral("No.9"));
  EXPECT_EQ(kept[0].file, QStringLiteral("2024/04/20240405_Customer Ltd_納品書_70.pdf"));
}
