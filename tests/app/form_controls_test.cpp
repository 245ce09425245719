#include "form_controls.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "enter_navigation.h"
#include "ui_test_helpers.h"

namespace {

struct ButtonWindow {
  QDialog window;
  QLineEdit* edit = new QLineEdit(&window);
  QPushButton* print = FormButton(&window, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  QPushButton* cancel =
      FormButton(&window, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  int printClicks = 0;
  int cancelClicks = 0;

  ButtonWindow() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(print);
    layout->addWidget(cancel);
    QObject::connect(print, &QPushButton::clicked, [this] { ++printClicks; });
    QObject::connect(cancel, &QPushButton::clicked, [this] { ++cancelClicks; });
  }
};

void Enter() {
  PressKey(QApplication::focusWidget(), Qt::Key_Return, Qt::NoModifier, "\r");
}

// Tabbing to a button and pressing Enter must press that button, and only once, whether
// or not the window walks its fields with Enter; Enter in an edit presses none.
TEST(FormButtonTest, EnterPressesOnlyTheFocusedButton) {
  for (const bool navigates : {false, true}) {
    SCOPED_TRACE(navigates ? "with Enter navigation" : "plain window");
    ButtonWindow w;
    if (navigates) InstallEnterNavigation(&w.window);
    ShowActive(&w.window);

    FocusOn(w.edit);
    PressKey(w.edit, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(w.printClicks + w.cancelClicks, 0);
    EXPECT_TRUE(w.window.isVisible());

    FocusOn(w.print);
    Enter();
    EXPECT_EQ(w.printClicks, 1);
    EXPECT_EQ(w.cancelClicks, 0);

    FocusOn(w.cancel);
    PressKey(w.cancel, Qt::Key_Enter, Qt::KeypadModifier, "\r");
    EXPECT_EQ(w.printClicks, 1);
    EXPECT_EQ(w.cancelClicks, 1);

    w.print->setEnabled(false);
    w.print->setFocus();
    PressKey(w.print, Qt::Key_Return, Qt::NoModifier, "\r");
    EXPECT_EQ(w.printClicks, 1);
  }
}

}  // namespace
