#include "dialog_script.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "dialogs.h"

namespace {

// A window that reinitialises itself when shown and can open a second window from OK.
class NameDialog : public QDialog {
  Q_OBJECT

 public:
  NameDialog() {
    auto* layout = new QVBoxLayout(this);
    EditName = new QLineEdit(this);
    ButtonOk = new QPushButton(QStringLiteral("OK"), this);
    layout->addWidget(EditName);
    layout->addWidget(ButtonOk);
    connect(ButtonOk, &QPushButton::clicked, this, &NameDialog::ButtonOkClick);
  }

  QLineEdit* EditName;
  QPushButton* ButtonOk;
  QDialog* Confirm = nullptr;  // asked before closing with OK when set
  int shown = 0;

 protected:
  void showEvent(QShowEvent* event) override {
    ++shown;
    EditName->setText(QStringLiteral("初期値"));
    QDialog::showEvent(event);
  }

 private:
  void ButtonOkClick() {
    if (EditName->text().isEmpty()) {
      ShowMessage(QStringLiteral("名前を入力してください。"));
      return;
    }
    if (Confirm != nullptr && ShowModal(Confirm) != QDialog::Accepted) return;
    accept();
  }
};

TEST(DialogScript, RecordsMessagesInOrderAndAnswersQuestionsFromTheQueue) {
  DialogScript script;
  script.AnswerYes();
  script.AnswerNo();
  ShowMessage(QStringLiteral("一つ目"));
  EXPECT_TRUE(AskYesNo(QStringLiteral("続行しますか？")));
  ShowMessage(QStringLiteral("二つ目"));
  EXPECT_FALSE(AskYesNo(QStringLiteral("終了しますか？")));
  EXPECT_EQ(script.Messages(), (QStringList{"一つ目", "二つ目"}));
  EXPECT_EQ(script.Questions(), (QStringList{"続行しますか？", "終了しますか？"}));
}

TEST(DialogScript, UnexpectedQuestionFailsAndAnswersNo) {
  DialogScript script;
  bool answer = true;
  EXPECT_NONFATAL_FAILURE(answer = AskYesNo(QStringLiteral("削除します。よろしいですか？")),
                          "unexpected question");
  EXPECT_FALSE(answer);
}

TEST(DialogScript, FileDialogsTakeQueuedPathsAndCancelWhenNoneIsLeft) {
  DialogScript script;
  script.ChooseOpenFile(QStringLiteral("/tmp/shop.TLG"));
  script.ChooseSaveFile(QString());
  const QString filter = QStringLiteral("販売管理ファイル (*.TLG)");
  EXPECT_EQ(AskOpenFileName(nullptr, "開く", "/tmp", filter), QStringLiteral("/tmp/shop.TLG"));
  EXPECT_EQ(AskSaveFileName(nullptr, "保存", "/tmp", filter), QString());
  EXPECT_EQ(AskOpenFileName(nullptr, "開く", "/tmp", filter), QString());
  ASSERT_EQ(script.FileRequests().size(), 3u);
  EXPECT_EQ(script.FileRequests()[1].caption, QStringLiteral("保存"));
  EXPECT_EQ(script.FileRequests()[1].filter, filter);
}

TEST(DialogScript, ModalWindowIsShownBeforeItsHandlerAndReturnsTheResult) {
  DialogScript script;
  NameDialog dialog;
  script.ExpectModal<NameDialog>([](NameDialog& form) {
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.EditName->text(), QStringLiteral("初期値"));
    form.EditName->clear();
    form.ButtonOk->click();  // refused: the window stays open
    form.EditName->setText(QStringLiteral("山田"));
    form.ButtonOk->click();
  });
  script.ExpectModal(DialogScript::Reject);
  EXPECT_EQ(ShowModal(&dialog), QDialog::Accepted);
  EXPECT_EQ(script.Messages(), QStringList{QStringLiteral("名前を入力してください。")});
  EXPECT_EQ(ShowModal(&dialog), QDialog::Rejected);
  EXPECT_EQ(dialog.shown, 2);
  EXPECT_EQ(script.ModalWindows(), (QStringList{"NameDialog", "NameDialog"}));
}

TEST(DialogScript, NestedModalWindowsTakeTheNextHandlers) {
  DialogScript script;
  NameDialog outer;
  QDialog confirm;
  outer.Confirm = &confirm;
  script.ExpectModal<NameDialog>([](NameDialog& form) {
    form.ButtonOk->click();  // confirmation cancelled: stays open
    form.ButtonOk->click();
  });
  script.ExpectModal(DialogScript::Reject);
  script.ExpectModal(DialogScript::Accept);
  EXPECT_EQ(ShowModal(&outer), QDialog::Accepted);
  EXPECT_EQ(script.ModalWindows(), (QStringList{"NameDialog", "QDialog", "QDialog"}));
}

TEST(DialogScript, WindowLeftOpenIsRejectedAndFails) {
  DialogScript script;
  NameDialog dialog;
  script.ExpectModal([](QDialog&) {});
  int result = QDialog::Accepted;
  EXPECT_NONFATAL_FAILURE(result = ShowModal(&dialog), "left open");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_FALSE(dialog.isVisible());
}

TEST(DialogScript, UnexpectedOrWrongModalWindowFailsAndIsRejected) {
  DialogScript script;
  QDialog plain;
  int result = QDialog::Accepted;
  EXPECT_NONFATAL_FAILURE(result = ShowModal(&plain), "unexpected modal window QDialog");
  EXPECT_EQ(result, QDialog::Rejected);

  bool handled = false;
  script.ExpectModal<NameDialog>([&handled](NameDialog&) { handled = true; });
  EXPECT_NONFATAL_FAILURE(result = ShowModal(&plain), "expected a NameDialog");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_FALSE(handled);
}

TEST(DialogScript, LeftoverQueueFailsAndTheEnclosingHandlerComesBack) {
  DialogScript outer;
  EXPECT_NONFATAL_FAILURE(
      {
        DialogScript inner;
        inner.AnswerYes();
      },
      "answer(s) never asked for");
  ShowMessage(QStringLiteral("外側へ"));
  EXPECT_EQ(outer.Messages(), QStringList{QStringLiteral("外側へ")});
}

}  // namespace

#include "dialog_script_test.moc"
