#include "enter_navigation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

#include <gtest/gtest.h>

#include "ss_edit.h"
#include "ui_test_helpers.h"

namespace {

// An entry window with every kind of control the windows put in their tab order.
class EnterNavigationTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(window_.get());
    line_ = Add<QLineEdit>();
    list_ = Add<QComboBox>();
    list_->addItems({"月末", "1日"});
    editable_ = Add<QComboBox>();
    editable_->setEditable(true);
    editable_->setInsertPolicy(QComboBox::NoInsert);
    date_ = Add<QDateEdit>();
    amount_ = TSsEdit::Plain(window_.get());
    layout->addWidget(amount_);
    check_ = Add<QCheckBox>();
    ok_ = Add<QPushButton>();
    ok_->setDefault(true);
    QObject::connect(ok_, &QPushButton::clicked, [this] { ++ok_clicks_; });
    InstallEnterNavigation(window_.get());
    ShowActive(window_.get());
  }

  template <class Widget>
  Widget* Add() {
    auto* widget = new Widget(window_.get());
    window_->layout()->addWidget(widget);
    return widget;
  }

  static void Enter(Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(QApplication::focusWidget(), Qt::Key_Return, modifiers, "\r");
  }

  std::unique_ptr<QDialog> window_;
  QLineEdit* line_ = nullptr;
  QComboBox* list_ = nullptr;
  QComboBox* editable_ = nullptr;
  QDateEdit* date_ = nullptr;
  TSsEdit* amount_ = nullptr;
  QCheckBox* check_ = nullptr;
  QPushButton* ok_ = nullptr;
  int ok_clicks_ = 0;
};

TEST_F(EnterNavigationTest, EnterWalksTheTabOrderAndShiftEnterWalksBack) {
  FocusOn(line_);
  const std::vector<QWidget*> order = {list_, editable_, date_, amount_, check_, ok_};
  for (QWidget* expected : order) {
    Enter();
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->metaObject()->className();
  }
  // Back from the last field (Enter on the button would press it).
  FocusOn(check_);
  for (auto it = order.rbegin() + 2; it != order.rend(); ++it) {
    Enter(Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), *it) << (*it)->metaObject()->className();
  }
  Enter(Qt::ShiftModifier | Qt::KeypadModifier);
  EXPECT_EQ(QApplication::focusWidget(), line_);
  // The window's default button is never pressed from a field.
  EXPECT_EQ(ok_clicks_, 0);
  EXPECT_EQ(window_->result(), QDialog::Rejected);
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(EnterNavigationTest, EnterOnAButtonPressesIt) {
  FocusOn(ok_);
  Enter();
  EXPECT_EQ(ok_clicks_, 1);

  // Also where a button does not take Enter by itself (not in a dialog).
  QWidget plain;
  auto* button = new QPushButton(&plain);
  new QLineEdit(&plain);
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
  InstallEnterNavigation(&plain);
  ShowActive(&plain);
  FocusOn(button);
  Enter();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(button->hasFocus());
}

TEST_F(EnterNavigationTest, MultiLineEditsKeepEnterAndOtherModifiersAreLeftAlone) {
  auto* memo = Add<QPlainTextEdit>();
  FocusOn(memo);
  TypeText(memo, "a");
  Enter();
  TypeText(memo, "b");
  EXPECT_EQ(memo->toPlainText(), QStringLiteral("a\nb"));
  EXPECT_TRUE(memo->hasFocus());

  FocusOn(line_);
  Enter(Qt::ControlModifier);
  EXPECT_TRUE(line_->hasFocus());
}

TEST_F(EnterNavigationTest, InstallingTwiceStillMovesOneStep) {
  InstallEnterNavigation(window_.get());
  FocusOn(line_);
  Enter();
  EXPECT_EQ(QApplication::focusWidget(), list_);
}

TEST_F(EnterNavigationTest, AmountFieldKeyHandlerSeesEnterBeforeTheMove) {
  int seen = 0;
  amount_->OnKeyPress = [&seen](QKeyEvent* event) {
    seen += event->key() == Qt::Key_Return;
    return false;
  };
  FocusOn(amount_);
  Enter();
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(QApplication::focusWidget(), check_);
}

}  // namespace
