#include "qt_dialog_handler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

QMessageBox* OpenBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box != nullptr && box->isVisible()) return box;
  }
  return nullptr;
}

// Acts on the real message box once its event loop runs.
void OnBox(std::function<void(QMessageBox&)> act) {
  QTimer::singleShot(0, [act] {
    QMessageBox* box = OpenBox();
    if (box == nullptr) {
      ADD_FAILURE() << "no message box";
      return;
    }
    act(*box);
    if (box->isVisible()) box->reject();  // never hang the test run
  });
}

// The handler answers the program's questions while this lives.
class Installed {
 public:
  explicit Installed(DialogHandler* handler) : previous_(SetDialogHandler(handler)) {}
  ~Installed() { SetDialogHandler(previous_); }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  DialogHandler* previous_;
};

QStringList ButtonTexts(const QMessageBox& box) {
  QStringList texts;
  for (QAbstractButton* button : box.buttons()) texts.append(button->text());
  texts.sort();
  return texts;
}

QAbstractButton* ButtonWithText(const QMessageBox& box, const QString& text) {
  for (QAbstractButton* button : box.buttons()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST(QtDialogHandler, MessageHasTheProgramTitleAndOneOkButton) {
  QtDialogHandler handler;
  const Installed installed(&handler);
  OnBox([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("てんぽ帳 販売管理"));
    EXPECT_EQ(box.text(), QStringLiteral("保存しました。"));
    EXPECT_EQ(ButtonTexts(box), QStringList{"OK"});
    box.buttons().front()->click();
  });
  handler.ShowMessage(QStringLiteral("保存しました。"));
}

TEST(QtDialogHandler, QuestionIsYesOnlyForHai) {
  QtDialogHandler handler;
  const Installed installed(&handler);
  OnBox([](QMessageBox& box) {
    EXPECT_EQ(box.windowTitle(), QStringLiteral("てんぽ帳 販売管理"));
    EXPECT_EQ(ButtonTexts(box), (QStringList{"いいえ", "はい"}));
    ButtonWithText(box, QStringLiteral("はい"))->click();
  });
  EXPECT_TRUE(AskYesNo(QStringLiteral("終了します。")));

  OnBox([](QMessageBox& box) { ButtonWithText(box, QStringLiteral("いいえ"))->click(); });
  EXPECT_FALSE(AskYesNo(QStringLiteral("終了します。")));

  OnBox([](QMessageBox& box) { box.reject(); });  // Esc or the close box
  EXPECT_FALSE(AskYesNo(QStringLiteral("終了します。")));
}

// Enter presses the default button: いいえ unless the caller asks for はい.
TEST(QtDialogHandler, EnterPressesTheDefaultButtonAndEscTheEscapeButton) {
  QtDialogHandler handler;
  const Installed installed(&handler);
  OnBox([](QMessageBox& box) { box.defaultButton()->click(); });
  EXPECT_FALSE(AskYesNo(QStringLiteral("削除します。")));
  OnBox([](QMessageBox& box) { box.defaultButton()->click(); });
  EXPECT_TRUE(AskYesNo(QStringLiteral("開きます。"), DefaultAnswer::Yes));

  const QStringList buttons{"保存", "保存しない", "キャンセル"};
  OnBox([](QMessageBox& box) {
    EXPECT_EQ(box.defaultButton()->text(), QStringLiteral("保存"));
    EXPECT_EQ(box.focusWidget(), box.defaultButton());  // Enter lands on it
    ButtonWithText(box, QStringLiteral("保存しない"))->click();
  });
  EXPECT_EQ(AskChoice(QStringLiteral("保存しますか？"), buttons, 0, 2), 1);
  OnBox([](QMessageBox& box) { box.reject(); });
  EXPECT_EQ(AskChoice(QStringLiteral("保存しますか？"), buttons, 0, 2), 2);
}

}  // namespace
