#include "ss_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include <memory>

#include <gtest/gtest.h>

#include "dialog_script.h"
#include "dialogs.h"
#include "ui_test_helpers.h"

namespace {

struct Invalid {
  TSsEdit* sender;
  QString message;
};

// A shown, active window holding the edit under test between two other controls.
class SsEditTest : public testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QDialog>();
    auto* layout = new QVBoxLayout(window_.get());
    before_ = new QLineEdit(window_.get());
    edit_ = new TSsEdit(window_.get());
    after_ = new QLineEdit(window_.get());
    for (QWidget* w : {static_cast<QWidget*>(before_), static_cast<QWidget*>(edit_),
                       static_cast<QWidget*>(after_)}) {
      layout->addWidget(w);
    }
    edit_->OnEnter = [this] { entered_texts_.append(edit_->Text()); };
    edit_->OnExit = [this] { exited_texts_.append(edit_->Text()); };
    edit_->OnInvalid = [this](TSsEdit* sender, const QString& message) {
      invalids_.push_back({sender, message});
    };
    ShowActive(window_.get());
  }

  void Style(TSsEditStyle style, int dec_length = 0) {
    edit_->EditOption().EditStyle = style;
    edit_->EditOption().Length.DecLength = dec_length;
  }

  // Enters the edit, replaces its text as the user would, and leaves it forwards.
  void TypeAndLeave(const QString& text) {
    FocusOn(edit_);
    edit_->selectAll();
    TypeText(edit_, text);
    FocusOn(after_);
  }

  std::unique_ptr<QDialog> window_;
  QLineEdit* before_ = nullptr;
  TSsEdit* edit_ = nullptr;
  QLineEdit* after_ = nullptr;
  QStringList entered_texts_;
  QStringList exited_texts_;
  std::vector<Invalid> invalids_;
};

TEST(SsEditDefaults, NewControlIsLeftAlignedAndUnstyled_PlainIsRightAlignedWithImeOff) {
  TSsEdit edit;
  EXPECT_EQ(edit.size(), QSize(121, 20));
  EXPECT_EQ(edit.sizeHint().width(), 121);
  EXPECT_EQ(edit.Alignment(), TSsAlignment::Left);
  EXPECT_EQ(edit.EditOption().EditStyle, TSsEditStyle::esNone);
  EXPECT_EQ(edit.EditOption().Length.MaxLength, 0);
  EXPECT_EQ(edit.EditOption().Length.DecLength, 0);
  EXPECT_FALSE(edit.EditOption().DoEmptyCheck);
  EXPECT_EQ(edit.EditOption().InputMethod, TInputMethod::imFull);
  EXPECT_FALSE(edit.EditOption().MoveByEnter);
  EXPECT_TRUE(edit.testAttribute(Qt::WA_InputMethodEnabled));

  std::unique_ptr<TSsEdit> plain(TSsEdit::Plain(nullptr));
  EXPECT_EQ(plain->Alignment(), TSsAlignment::Right);
  EXPECT_TRUE(plain->alignment() & Qt::AlignRight);
  EXPECT_EQ(plain->EditOption().EditStyle, TSsEditStyle::esNone);
  EXPECT_FALSE(plain->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_TRUE(plain->inputMethodHints() & Qt::ImhLatinOnly);
}

TEST_F(SsEditTest, PlainStyleSelectsAllOnEnterAndKeepsTextAsTypedOnExit) {
  for (const QString& text : {QStringLiteral(" 1,234.5 "), QStringLiteral("abc"), QString()}) {
    edit_->SetText(text);
    FocusOn(edit_);
    EXPECT_EQ(edit_->selectedText(), text);
    FocusOn(after_);
    EXPECT_EQ(edit_->Text(), text);
  }
  EXPECT_TRUE(invalids_.empty());
}

TEST_F(SsEditTest, FirstSetTextFormatsByStyle_LaterOnesShowTheValueUnchanged) {
  Style(TSsEditStyle::esComma);
  edit_->SetText("1234");
  EXPECT_EQ(edit_->Text(), QStringLiteral("1,234"));
  edit_->SetText("5678");
  EXPECT_EQ(edit_->Text(), QStringLiteral("5678"));

  TSsEdit fresh;
  fresh.EditOption().EditStyle = TSsEditStyle::esMoney;
  bool reported = false;
  fresh.OnInvalid = [&reported](TSsEdit*, const QString&) { reported = true; };
  fresh.SetText("12.5");  // too many decimals: shown unchanged, nothing reported
  EXPECT_EQ(fresh.Text(), QStringLiteral("12.5"));
  fresh.SetText("1234");
  EXPECT_EQ(fresh.Text(), QStringLiteral("1234"));
  EXPECT_FALSE(reported);
}

TEST_F(SsEditTest, EnterRunsTheWindowHandlerFirstThenCleansAndSelectsAll) {
  Style(TSsEditStyle::esMoney);
  edit_->SetText("1234567");
  ASSERT_EQ(edit_->Text(), QStringLiteral("\\1,234,567"));
  FocusOn(edit_);
  EXPECT_EQ(entered_texts_, QStringList{QStringLiteral("\\1,234,567")});
  EXPECT_EQ(edit_->Text(), QStringLiteral("1234567"));
  EXPECT_EQ(edit_->selectedText(), QStringLiteral("1234567"));
}

TEST_F(SsEditTest, ExitRunsTheWindowHandlerFirstThenFormatsItsResult) {
  Style(TSsEditStyle::esComma, 2);
  edit_->OnExit = [this] { edit_->setText(edit_->Text() + "0"); };
  TypeAndLeave("1234.5");
  EXPECT_EQ(edit_->Text(), QStringLiteral("1,234.50"));
  EXPECT_TRUE(after_->hasFocus());
}

TEST_F(SsEditTest, RefusalReportsTheMessageKeepsTheTextAndTakesTheFocusBack) {
  Style(TSsEditStyle::esComma);
  TypeAndLeave("12,345");
  ASSERT_EQ(invalids_.size(), 1u);
  EXPECT_EQ(invalids_[0].sender, edit_);
  EXPECT_EQ(invalids_[0].message, QStringLiteral("入力値 12,345 は，数値として認識できません"));
  EXPECT_EQ(edit_->Text(), QStringLiteral("12,345"));
  EXPECT_TRUE(edit_->hasFocus());
  EXPECT_EQ(edit_->selectedText(), QStringLiteral("12,345"));
  // Coming back is not a new enter: no cleaning, no window handler.
  EXPECT_EQ(entered_texts_.size(), 1);

  edit_->EditOption().DoEmptyCheck = true;
  edit_->clear();
  FocusOn(after_);
  ASSERT_EQ(invalids_.size(), 2u);
  EXPECT_EQ(invalids_[1].message, QStringLiteral("値が入っていません"));
}

TEST_F(SsEditTest, RefusalShownThroughTheSeamLeavesTheNextFieldAlone) {
  DialogScript script;
  Style(TSsEditStyle::esMoney);
  edit_->OnInvalid = [](TSsEdit*, const QString& message) { ShowMessage(message); };
  // The next field would refuse its empty text if it were ever entered and left.
  auto* strict = new TSsEdit(window_.get());
  strict->EditOption().DoEmptyCheck = true;
  QWidget::setTabOrder(edit_, strict);
  int strict_refusals = 0;
  strict->OnInvalid = [&strict_refusals](TSsEdit*, const QString&) { ++strict_refusals; };
  strict->show();

  FocusOn(edit_);
  edit_->setText("100.5");
  FocusOn(strict);
  EXPECT_EQ(script.Messages(), QStringList{QStringLiteral("小数部有効桁数は，0 桁です")});
  EXPECT_TRUE(edit_->hasFocus());
  EXPECT_EQ(strict_refusals, 0);
}

TEST_F(SsEditTest, SwitchingWindowsIsNeitherEnterNorExit_ReshowingEntersAgain) {
  FocusOn(edit_);
  ASSERT_EQ(entered_texts_.size(), 1);
  QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(edit_, &out);
  QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
  QApplication::sendEvent(edit_, &in);
  QFocusEvent popup_out(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(edit_, &popup_out);
  EXPECT_EQ(entered_texts_.size(), 1);
  EXPECT_TRUE(exited_texts_.isEmpty());

  window_->hide();
  ShowActive(window_.get());
  FocusOn(edit_);
  EXPECT_EQ(entered_texts_.size(), 2);
}

TEST_F(SsEditTest, WindowKeyHandlerRunsFirstAndCanTakeTheKey) {
  QStringList seen;
  edit_->OnKeyPress = [&seen](QKeyEvent* event) {
    seen.append(event->text());
    return event->text() == u"x";
  };
  FocusOn(edit_);
  TypeText(edit_, "axb");
  EXPECT_EQ(edit_->Text(), QStringLiteral("ab"));
  EXPECT_EQ(seen, (QStringList{"a", "x", "b"}));
}

TEST_F(SsEditTest, MaxLengthDiscardsTypingWhenFullUnlessEnoughIsSelected) {
  edit_->EditOption().Length.MaxLength = 5;
  FocusOn(edit_);
  TypeText(edit_, "123456");
  EXPECT_EQ(edit_->Text(), QStringLiteral("12345"));

  edit_->setSelection(0, 4);  // shorter than the limit: still full
  TypeText(edit_, "x");
  EXPECT_EQ(edit_->Text(), QStringLiteral("12345"));

  QApplication::clipboard()->setText("zz");
  edit_->end(false);
  PressKey(edit_, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit_->Text(), QStringLiteral("12345"));

  PressKey(edit_, Qt::Key_Backspace, Qt::NoModifier, "\b");
  EXPECT_EQ(edit_->Text(), QStringLiteral("1234"));
  edit_->home(false);
  PressKey(edit_, Qt::Key_Delete);
  EXPECT_EQ(edit_->Text(), QStringLiteral("234"));
  TypeText(edit_, "01");
  EXPECT_EQ(edit_->Text(), QStringLiteral("01234"));

  edit_->selectAll();
  TypeText(edit_, "9");
  EXPECT_EQ(edit_->Text(), QStringLiteral("9"));
}

TEST_F(SsEditTest, TextLongerThanMaxLengthIsRefusedOnExit) {
  edit_->EditOption().Length.MaxLength = 3;
  FocusOn(edit_);
  edit_->setText("12345");  // as a paste with the mouse would
  FocusOn(after_);
  ASSERT_EQ(invalids_.size(), 1u);
  EXPECT_EQ(invalids_[0].message, QStringLiteral("入力値 12345 は，最大入力文字数を超えています"));
}

TEST_F(SsEditTest, MoveByEnterGoesForwardAndShiftEnterBackWithoutPressingTheDefaultButton) {
  edit_->EditOption().MoveByEnter = true;
  int accepted = 0;
  QObject::connect(window_.get(), &QDialog::accepted, [&accepted] { ++accepted; });

  FocusOn(edit_);
  PressKey(edit_, Qt::Key_Return, Qt::NoModifier, "\r");
  EXPECT_TRUE(after_->hasFocus());

  FocusOn(edit_);
  PressKey(edit_, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier, "\r");
  EXPECT_TRUE(before_->hasFocus());

  FocusOn(edit_);
  PressKey(edit_, Qt::Key_Return, Qt::ControlModifier | Qt::ShiftModifier, "\r");
  EXPECT_TRUE(after_->hasFocus());
  EXPECT_EQ(accepted, 0);

  edit_->EditOption().MoveByEnter = false;
  FocusOn(edit_);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
  QApplication::sendEvent(edit_, &enter);
  EXPECT_TRUE(edit_->hasFocus());
}

}  // namespace
