#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>

#include "pdf_output.h"
#include "print_fixture.h"

namespace {

// Shows the preview of a partner list of `rows` rows through the printer choice and
// hands the preview window to `check`.
void InPreview(DialogScript& script, const Report& report,
               std::function<void(TFormPreview&)> check) {
  script.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& form) {
    form.ButtonPreview->click();
    form.ButtonCancel->click();
  });
  script.ExpectModal<TFormPreview>(std::move(check));
  PrintReport(kReportPartnerList, report);
}

}  // namespace

TEST_F(PrintFormsTest, PreviewPagesThroughWithItsButtonsAndLabel) {
  InPreview(script_, Partners(36 + 35 + 1), [](TFormPreview& p) {
    struct Step {
      QString label;
      bool previous;
      bool next;
    };
    const Step steps[] = {{"1 / 3", false, true}, {"2 / 3", true, true}, {"3 / 3", true, false}};
    for (const Step& s : steps) {
      EXPECT_EQ(p.LabelPage->text(), s.label);
      EXPECT_EQ(p.ButtonPrevious->isEnabled(), s.previous) << s.label.toStdString();
      EXPECT_EQ(p.ButtonNext->isEnabled(), s.next) << s.label.toStdString();
      p.ButtonNext->click();
    }
    p.ButtonPrevious->click();
    EXPECT_EQ(p.LabelPage->text(), "2 / 3");
    p.reject();
  });
}

TEST_F(PrintFormsTest, OnePageDisablesBothPageButtons) {
  InPreview(script_, Partners(1), [](TFormPreview& p) {
    EXPECT_EQ(p.LabelPage->text(), "1 / 1");
    EXPECT_FALSE(p.ButtonPrevious->isEnabled());
    EXPECT_FALSE(p.ButtonNext->isEnabled());
    p.reject();
  });
}

TEST_F(PrintFormsTest, ZoomSizesTheSheetByTheViewHeightAndCentresItWhenNarrower) {
  InPreview(script_, Partners(1), [](TFormPreview& p) {
    EXPECT_EQ(p.ComboBoxBai->count(), 11);
    EXPECT_EQ(p.ComboBoxBai->currentText(), "100%");
    p.resize(900, 616);
    QApplication::processEvents();  // the layout follows the new size
    const QSize client = p.ScrollBox1->viewport()->size();
    EXPECT_EQ(p.Image1->height(), client.height());
    EXPECT_EQ(p.Image1->width(), qRound(client.height() * 70.0 / 99.0));
    EXPECT_EQ(p.Image1->x(), qRound(client.width() / 2.0) - qRound(p.Image1->width() / 2.0));
    p.ComboBoxBai->setCurrentIndex(10);  // 200%
    const QSize scrolled = p.ScrollBox1->viewport()->size();
    EXPECT_EQ(p.Image1->height(), qRound(scrolled.height() * 2.0));
    EXPECT_GT(p.Image1->height(), scrolled.height());  // it scrolls
    p.reject();
  });
}
