#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "pdf_output.h"
#include "print_fixture.h"
#include "ui_test_helpers.h"

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
    EXPECT_EQ(p.ComboBoxBai->count(), 12);
    EXPECT_EQ(p.ComboBoxBai->currentText(), "幅に合わせる");
    p.ComboBoxBai->setCurrentIndex(1);
    EXPECT_EQ(p.ComboBoxBai->currentText(), "100%");
    p.resize(900, 616);
    QApplication::processEvents();  // the layout follows the new size
    const QSize client = p.ScrollBox1->viewport()->size();
    EXPECT_EQ(p.Image1->height(), client.height());
    EXPECT_EQ(p.Image1->width(), qRound(client.height() * 70.0 / 99.0));
    EXPECT_EQ(p.Image1->x(), qRound(client.width() / 2.0) - qRound(p.Image1->width() / 2.0));
    p.ComboBoxBai->setCurrentIndex(11);  // 200%
    const QSize scrolled = p.ScrollBox1->viewport()->size();
    EXPECT_EQ(p.Image1->height(), qRound(scrolled.height() * 2.0));
    EXPECT_GT(p.Image1->height(), scrolled.height());  // it scrolls
    p.reject();
  });
}

// It opens over most of the screen with the page as wide as the view, and the keyboard
// pages through a long document and zooms.
TEST_F(PrintFormsTest, PreviewOpensLargeFittedToWidthAndPagesByKeyboard) {
  InPreview(script_, Partners(35 * 4), [](TFormPreview& p) {
    QApplication::processEvents();
    const QRect screen = p.screen()->availableGeometry();
    EXPECT_GE(p.width(), screen.width() * 8 / 10);
    EXPECT_GE(p.height(), screen.height() * 8 / 10);
    const int viewWidth = p.ScrollBox1->viewport()->width();
    EXPECT_LE(p.Image1->width(), viewWidth);
    EXPECT_GE(p.Image1->width(), viewWidth - 30);
    QWidget* focus = p.ScrollBox1;
    QScrollBar* bar = p.ScrollBox1->verticalScrollBar();
    struct Step {
      int key;
      Qt::KeyboardModifiers modifiers;
      QString label;
      bool atTop;
    };
    const Step steps[] = {
        {Qt::Key_End, Qt::NoModifier, "4 / 4", true},
        {Qt::Key_Home, Qt::NoModifier, "1 / 4", true},
        {Qt::Key_End, Qt::ControlModifier, "4 / 4", true},
        {Qt::Key_Home, Qt::ControlModifier, "1 / 4", true},
        {Qt::Key_PageDown, Qt::NoModifier, "1 / 4", false},  // down the page first
    };
    for (const Step& s : steps) {
      PressKey(focus, s.key, s.modifiers);
      EXPECT_EQ(p.LabelPage->text(), s.label) << s.label.toStdString();
      EXPECT_EQ(bar->value() == bar->minimum(), s.atTop) << s.label.toStdString();
    }
    for (int i = 0; i < 20 && p.CurrentPage() == 0; ++i) PressKey(focus, Qt::Key_PageDown);
    EXPECT_EQ(p.LabelPage->text(), "2 / 4");
    EXPECT_EQ(bar->value(), bar->minimum());
    PressKey(p.ComboBoxBai, Qt::Key_PageUp);  // back to the foot of the first page
    EXPECT_EQ(p.LabelPage->text(), "1 / 4");
    EXPECT_EQ(bar->value(), bar->maximum());

    PressKey(focus, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(p.ComboBoxBai->currentText(), "100%");
    PressKey(focus, Qt::Key_Minus, Qt::ControlModifier);
    PressKey(focus, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(p.ComboBoxBai->currentText(), "幅に合わせる");
    p.reject();
  });
}
