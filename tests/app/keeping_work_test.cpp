// The main window never loses a clerk's work: unsaved changes are known and asked about,
// Enter never discards, a failed open changes nothing, a crash leaves a recovery copy,
// and a file in use elsewhere is not overwritten silently.
#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <iostream>

#include "atomic_file.h"
#include "config.h"
#include "data_file.h"
#include "dates.h"
#include "form_customer_list.h"
#include "form_item_add.h"
#include "form_item_list.h"
#include "form_log_in.h"
#include "form_setting.h"
#include "form_slip_add.h"
#include "form_slip_list.h"
#include "form_tax_list.h"
#include "list_window_pattern.h"
#include "recovery_copy.h"
#include "shell_fixture.h"
#include "ss_edit.h"
#include "text_bytes.h"

namespace {

const std::string kCustomer = TextBytes(QStringLiteral("ひまわり商店"));
const std::string kProduct = TextBytes(QStringLiteral("復元される品"));

Document Shop(const char* password = "") {
  Document doc;
  doc.company.name = TextBytes(QStringLiteral("さくら商事"));
  doc.usePassword = *password != 0;
  doc.password = password;
  doc.items.Add("A-1", TextBytes(QStringLiteral("鉛筆")), "", "", "100", "60", "1", "", 0, 0, 0, 0);
  CustomerRecord a;
  a.name = kCustomer;
  doc.customers.Add(a);
  CustomerRecord b;
  b.name = TextBytes(QStringLiteral("あおい商会"));
  doc.customers.Add(b);
  return doc;
}

void TypePassword(TFormLogIn& form, const char* password) {
  form.EditPassword->setText(QString::fromUtf8(password));
  form.ButtonOk->click();
}

bool Closes(TFormMain& m) {
  QCloseEvent event;
  QCoreApplication::sendEvent(&m, &event);
  return event.isAccepted();
}

QString ShownTitle(const TFormMain& m) {
  QString title = m.windowTitle();
  return title.replace(QStringLiteral("[*]"), m.isWindowModified() ? QStringLiteral("*") : "");
}

const QString kSaveQuestion = QStringLiteral("変更が保存されていません。保存しますか？");
const QString kExitQuestion =
    QStringLiteral("終了します。\r\n未保存のデータは破棄されます、よろしいですか？");
const QString kOpenQuestion =
    QStringLiteral("ファイルを開きます。\r\n未保存のデータは破棄されます、よろしいですか？");
const QString kNewQuestion = QStringLiteral(
    "データを新規作成します。\r\n未保存のデータは破棄されます。\r\n続行してよろしいですか？");

class KeepingWorkTest : public ShellTest {
 protected:
  void OpenShop(const char* password = "") {
    WriteDataFile(QStringLiteral("shop.TLG"), Shop(password));
    if (main_->HasUnsavedChanges()) {
      script_->Choose(QStringLiteral("保存しない"));
    } else if (main_->WorkingPageShown()) {
      script_->AnswerYes();
    }
    script_->ChooseOpenFile(Path("shop.TLG"));
    if (*password != 0) {
      script_->ExpectModal<TFormLogIn>([password](TFormLogIn& f) { TypePassword(f, password); });
    }
    main_->O1Click();
    ASSERT_EQ(main_->Doc().filePath, Path("shop.TLG"));
  }
  void ChangeSomething() {
    main_->Doc().items.Add("B-2", kProduct, "", "", "5", "1", "", "", 0, 0, 0, 0);
    main_->Doc().MarkChanged();
  }
  int ItemsOnDisk() {
    Document doc;
    const OpenPrompts prompts{[] { return std::optional<std::string>("pw"); },
                              [](const QString&) {}};
    return OpenDocument(doc, Path("shop.TLG"), prompts) == OpenResult::Opened ? doc.items.Count()
                                                                              : -1;
  }
  // A second copy of this program, as another process: opens the file (typing the
  // password), changes it, writes its recovery copy and waits to be killed.
  void StartOtherCopy(QProcess& other, const QString& file, const char* password = "") {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TENPO_TEST_DATA_HOME"), qEnvironmentVariable("XDG_DATA_HOME"));
    env.insert(QStringLiteral("TENPO_OTHER_COPY_FILE"), file);
    env.insert(QStringLiteral("TENPO_OTHER_COPY_PASSWORD"), QString::fromUtf8(password));
    other.setProcessEnvironment(env);
    other.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=OtherCopy.DISABLED_WorksOnAFileUntilKilled")});
    QByteArray out;
    while (!out.contains("ready\n") && other.waitForReadyRead(60'000)) out += other.readAll();
    ASSERT_TRUE(out.contains("ready\n"))
        << out.toStdString() << other.readAllStandardError().toStdString();
  }
  static void Kill(QProcess& other) {
    other.kill();
    other.waitForFinished();
  }
};

// Every change a window stores marks the document; the title says so; saving clears it.
TEST_F(KeepingWorkTest, ChangesFromTheWindowsMarkTheDocumentUntilSaved) {
  OpenShop();
  EXPECT_EQ(ShownTitle(*main_), QStringLiteral("てんぽ帳 販売管理 - shop.TLG "));
  struct Change {
    const char* what;
    std::function<void()> act;
  };
  const std::vector<Change> changes{
      {"product added",
       [&] {
         script_->ExpectModal<TFormItemList>([&](TFormItemList& list) {
           script_->ExpectModal<TFormItemAdd>([](TFormItemAdd& entry) {
             entry.CheckBoxContinue->setChecked(false);
             entry.EditItemCode->setText(QStringLiteral("C-3"));
             entry.EditName->setText(QStringLiteral("消しゴム"));
             entry.ButtonOk->click();
           });
           list.ButtonAddItem->click();
           list.ButtonOk->click();
         });
         main_->ButtonProductClick();
       }},
      {"customer moved down",
       [&] {
         script_->ExpectModal<TFormCustomerList>([](TFormCustomerList& list) {
           SelectViewRow(list.ListViewCustomerList, 0);
           list.ButtonIndexDown->click();
           list.ButtonOk->click();
         });
         main_->ButtonSyukkaClick();
       }},
      {"tax rate added",
       [&] {
         auto* taxes = Forms().As<TFormTaxList>(FormId::TaxList);
         script_->ExpectModal<TFormTaxList>([](TFormTaxList& f) {
           f.DateTimePickerStartDay->setDate(QDate(2031, 4, 1));
           f.SsEditRateAdd->SetText(QStringLiteral("12"));
           f.ButtonTaxAdd->click();
           f.ButtonOk->click();
         });
         ShowModal(taxes);
       }},
      {"settings changed",
       [&] {
         script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
           f.EditPerson->setText(QStringLiteral("山田"));
           f.ButtonOk->click();
         });
         main_->ButtonSettingsClick();
       }},
  };
  for (const Change& change : changes) {
    SCOPED_TRACE(change.what);
    change.act();
    EXPECT_TRUE(main_->HasUnsavedChanges());
    EXPECT_EQ(ShownTitle(*main_), QStringLiteral("てんぽ帳 販売管理 - shop.TLG *"));
    main_->Save1Click();
    EXPECT_FALSE(main_->HasUnsavedChanges());
    EXPECT_FALSE(main_->isWindowModified());
  }
  // Settings closed with OK but nothing changed: nothing to save.
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) { f.ButtonOk->click(); });
  main_->ButtonSettingsClick();
  EXPECT_FALSE(main_->HasUnsavedChanges());
  EXPECT_TRUE(script_->Messages().isEmpty()) << script_->Messages().join('|').toStdString();
}

// Exit, Open and New with unsaved changes: 保存 saves and goes on, 保存しない goes on
// without saving, キャンセル keeps everything as it was.
TEST_F(KeepingWorkTest, ExitOpenAndNewAskToSaveUnsavedChanges) {
  struct Case {
    const char* action;
    const char* answer;
    bool goesOn;
    int itemsOnDisk;
  };
  const Case cases[] = {
      {"exit", "保存", true, 2}, {"exit", "保存しない", true, 1}, {"exit", "キャンセル", false, 1},
      {"open", "保存", true, 2}, {"open", "保存しない", true, 1}, {"open", "キャンセル", false, 1},
      {"new", "保存", true, 2},  {"new", "保存しない", true, 1},  {"new", "キャンセル", false, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.action) + " " + c.answer);
    OpenShop();
    ChangeSomething();
    const int questions = static_cast<int>(script_->Questions().size());
    script_->Choose(QString::fromUtf8(c.answer));
    bool wentOn = false;
    const std::string action = c.action;
    if (action == "exit") {
      wentOn = Closes(*main_);
    } else if (action == "open") {
      const size_t dialogs = script_->FileRequests().size();
      if (c.goesOn) script_->ChooseOpenFile(Path("shop.TLG"));
      main_->O1Click();
      wentOn = script_->FileRequests().size() > dialogs;
    } else {
      if (c.goesOn) script_->ExpectModal<TFormSetting>(DialogScript::Reject);
      main_->New1Click();
      wentOn = main_->Doc().filePath.isEmpty();
    }
    EXPECT_EQ(wentOn, c.goesOn);
    ASSERT_EQ(script_->Questions().size(), questions + 1);
    EXPECT_EQ(script_->Questions().last(), kSaveQuestion);
    EXPECT_EQ(script_->DefaultButtons().last(), QStringLiteral("保存"));
    EXPECT_EQ(ItemsOnDisk(), c.itemsOnDisk);
    // Cancelled, the changes are still there and still unsaved.
    if (action != "exit") {
      EXPECT_EQ(main_->HasUnsavedChanges(), !c.goesOn);
    }
  }
}

// Enter presses the default button: いいえ on every question whose はい throws away typed
// or stored data, 保存 on the question about unsaved changes.
TEST_F(KeepingWorkTest, EnterNeverThrowsDataAway) {
  OpenShop();
  // Without unsaved changes the questions are asked as they always were.
  script_->AnswerNo();
  EXPECT_FALSE(Closes(*main_));
  script_->AnswerNo();
  main_->O1Click();
  script_->AnswerNo();
  main_->New1Click();

  // Deleting a record from any list (one pattern for all of them).
  script_->ExpectModal<TFormItemList>([&](TFormItemList& list) {
    SelectViewRow(list.ListViewItemList, 0);
    script_->AnswerNo();
    list.ButtonDeleteItem->click();
    list.ButtonOk->click();
  });
  main_->ButtonProductClick();

  // Deleting a slip line, and leaving a slip being entered.
  Slip slip;
  slip.kind = kShipmentSlip;
  slip.date = EncodeDate(2026, 12, 1);
  slip.AddLine("0", "100", "1", "");
  main_->Doc().slips.Add(slip);
  script_->ExpectModal<TFormSlipList>([&](TFormSlipList& list) {
    script_->ExpectModal<TFormSlipAdd>([&](TFormSlipAdd& entry) {
      SelectViewRow(entry.ListViewSlipLines, 0);
      script_->AnswerNo();
      entry.ButtonLineDelete->click();
      script_->AnswerYes();
      entry.ButtonCancel->click();
    });
    SelectViewRow(list.ListViewSlipList, 0);
    list.ButtonEditSlip->click();
    list.ButtonOk->click();
  });
  main_->ButtonSyukkoClick();

  // Changing and deleting a tax rate.
  script_->ExpectModal<TFormTaxList>([&](TFormTaxList& f) {
    SelectViewRow(f.ListViewTaxList, 0);
    f.SsEditRateEdit->SetText(QStringLiteral("4"));
    script_->AnswerNo();
    f.ButtonTaxEdit->click();
    script_->AnswerNo();
    f.ButtonTaxDelete->click();
    f.ButtonOk->click();
  });
  ShowModal(Forms().As<TFormTaxList>(FormId::TaxList));

  // The file changed by another program before a save.
  ChangeSomething();
  WriteFileAtomically(Path("shop.TLG"), SerializeDocument(Document()));
  script_->AnswerNo();
  main_->Save1Click();

  const QStringList questions = script_->Questions();
  ASSERT_EQ(questions.size(), 9) << questions.join('|').toStdString();
  EXPECT_EQ(main_->Doc().slips.Get(0).LineCount(), 1);
  EXPECT_EQ(questions.mid(0, 3), (QStringList{kExitQuestion, kOpenQuestion, kNewQuestion}));
  EXPECT_EQ(questions.last(),
            QStringLiteral("shop.TLG は他のプログラムで変更されています。上書きしますか？"));
  EXPECT_EQ(script_->DefaultButtons(), QStringList(9, QStringLiteral("いいえ")));
  EXPECT_EQ(main_->Doc().items.Count(), 2);  // nothing was deleted or changed by answering
  EXPECT_EQ(ItemsOnDisk(), 0);               // the other program's file stayed
}

// Cancel, a damaged file or three wrong passwords while opening another file leave the
// open document and the program as they were.
TEST_F(KeepingWorkTest, AFailedOpenChangesNothing) {
  WriteDataFile(QStringLiteral("other.TLG"), Shop("secret"));
  WriteFileAtomically(Path("damaged.TLG"), SerializeDocument(Shop()).substr(0, 60));
  OpenShop();
  ChangeSomething();
  struct Case {
    const char* file;
    std::vector<const char*> passwords;  // "" cancels
    QString lastMessage;
  } const cases[] = {
      {"other.TLG", {""}, QString()},
      {"damaged.TLG",
       {},
       QStringLiteral("【damaged.TLG】は、\r\nファイルが破損しているため開けません。")},
      {"other.TLG",
       {"a", "b", "c"},
       QStringLiteral("パスワードの入力を一定回数以上間違えたため、ファイルを開けませんでした。")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    script_->Choose(QStringLiteral("保存しない"));
    script_->ChooseOpenFile(Path(c.file));
    for (const char* pw : c.passwords) {
      script_->ExpectModal<TFormLogIn>([pw](TFormLogIn& f) {
        if (*pw == 0) {
          f.ButtonCancel->click();
        } else {
          TypePassword(f, pw);
        }
      });
    }
    const int messages = static_cast<int>(script_->Messages().size());
    main_->O1Click();
    EXPECT_EQ(script_->Messages().size() > messages, !c.lastMessage.isEmpty());
    if (!c.lastMessage.isEmpty()) {
      EXPECT_EQ(script_->Messages().last(), c.lastMessage);
    }
    EXPECT_EQ(terminated_, 0);
    EXPECT_EQ(main_->Doc().filePath, Path("shop.TLG"));
    EXPECT_EQ(main_->Doc().items.Count(), 2);
    EXPECT_TRUE(main_->HasUnsavedChanges());
    EXPECT_TRUE(main_->Save1->isEnabled());
  }
}

// A copy of the program killed with unsaved changes: the next start offers them back, for
// a plain and a protected file; the protected file's copy holds no readable name.
TEST_F(KeepingWorkTest, ChangesOfAKilledCopyComeBackAtTheNextStart) {
  for (const char* password : {"", "pw"}) {
    SCOPED_TRACE(password);
    WriteDataFile(QStringLiteral("shop.TLG"), Shop(password));
    const std::string onDisk = ReadWholeFile(Path("shop.TLG"));
    QProcess other;
    StartOtherCopy(other, Path("shop.TLG"), password);
    Kill(other);

    const std::vector<RecoveryCopy> copies = ListRecoveryCopies(RecoveryFolder());
    ASSERT_EQ(copies.size(), 1u);
    const std::string copy = ReadWholeFile(copies[0].dataPath);
    EXPECT_EQ(copy.find(kProduct) == std::string::npos, *password != 0);
    EXPECT_EQ(copy.find(kCustomer) == std::string::npos, *password != 0);

    // Started again with the file: its lock is stale, the copy is offered and restored.
    main_->SetCommandLineFile(Path("shop.TLG"));
    if (*password != 0) {
      script_->ExpectModal<TFormLogIn>([password](TFormLogIn& f) { TypePassword(f, password); });
    }
    script_->Choose(QStringLiteral("復元"));
    main_->FormShow();
    EXPECT_TRUE(script_->Questions().last().startsWith(
        QStringLiteral("前回保存されなかった変更があります（")));
    EXPECT_EQ(script_->DefaultButtons().last(), QStringLiteral("復元"));
    EXPECT_EQ(main_->Doc().items.Count(), 2);
    EXPECT_EQ(main_->Doc().items.Get(1).name, kProduct);
    EXPECT_TRUE(main_->HasUnsavedChanges());
    EXPECT_FALSE(main_->ReadOnly());
    EXPECT_EQ(ReadWholeFile(Path("shop.TLG")), onDisk);  // nothing written until saved
    main_->Save1Click();
    EXPECT_EQ(ItemsOnDisk(), 2);
    EXPECT_TRUE(ListRecoveryCopies(RecoveryFolder()).empty());
    script_->AnswerYes();
    EXPECT_TRUE(Closes(*main_));  // lets go of the file for the next round
  }
  EXPECT_EQ(terminated_, 0);
}

// At a start without a file, 破棄 keeps the copy aside and says where; it is not offered
// again.
TEST_F(KeepingWorkTest, ACopyDiscardedAtStartIsKeptAsideAndNotOfferedAgain) {
  WriteDataFile(QStringLiteral("shop.TLG"), Shop());
  QProcess other;
  StartOtherCopy(other, Path("shop.TLG"));
  Kill(other);
  script_->Choose(QStringLiteral("破棄"));
  main_->FormShow();
  EXPECT_FALSE(main_->WorkingPageShown());
  ASSERT_EQ(script_->Messages().size(), 1);
  EXPECT_TRUE(script_->Messages()[0].contains(SetAsideFolder(RecoveryFolder())));
  EXPECT_EQ(QDir(SetAsideFolder(RecoveryFolder())).entryList(QDir::Files).size(), 1);
  main_->FormShow();  // asks nothing more
  EXPECT_EQ(script_->Questions().size(), 1);
}

// A file another copy of the program holds opens read-only: it cannot be saved under its
// own name, Save As works. Once that copy is gone, its lock is taken over silently.
TEST_F(KeepingWorkTest, AFileInUseElsewhereOpensReadOnly) {
  WriteDataFile(QStringLiteral("shop.TLG"), Shop());
  QProcess other;
  StartOtherCopy(other, Path("shop.TLG"));
  // One user runs one copy: the other copy's recovery copy is not this test's business.
  for (const RecoveryCopy& copy : ListRecoveryCopies(RecoveryFolder())) RemoveRecoveryCopy(copy);
  script_->ChooseOpenFile(Path("shop.TLG"));
  script_->Choose(QStringLiteral("読み取り専用で開く"));
  main_->O1Click();
  ASSERT_GE(script_->Questions().size(), 1);
  const QString question = script_->Questions()[0];
  EXPECT_TRUE(question.startsWith(QStringLiteral("shop.TLG は "))) << question.toStdString();
  EXPECT_TRUE(question.contains(QStringLiteral("から使用しています。"))) << question.toStdString();
  EXPECT_TRUE(main_->ReadOnly());
  EXPECT_FALSE(main_->Save1->isEnabled());
  EXPECT_TRUE(main_->windowTitle().contains(QStringLiteral("読み取り専用")));

  ChangeSomething();
  script_->ChooseSaveFile(Path("shop.TLG"));
  main_->S1Click();
  EXPECT_TRUE(script_->Messages().last().contains(QStringLiteral("上書きできません")));
  EXPECT_EQ(ItemsOnDisk(), 1);  // untouched
  script_->ChooseSaveFile(Path("mine.TLG"));
  main_->S1Click();
  EXPECT_FALSE(main_->ReadOnly());
  EXPECT_TRUE(main_->Save1->isEnabled());

  Kill(other);
  const int questions = static_cast<int>(script_->Questions().size());
  script_->AnswerYes();  // the question before opening: nothing unsaved
  script_->ChooseOpenFile(Path("shop.TLG"));
  main_->O1Click();
  EXPECT_EQ(script_->Questions().size(), questions + 1);  // no question about a lock
  EXPECT_FALSE(main_->ReadOnly());
  EXPECT_EQ(main_->Doc().filePath, Path("shop.TLG"));
}

TEST_F(KeepingWorkTest, AFileChangedOnDiskIsOverwrittenOnlyOnYes) {
  OpenShop();
  ChangeSomething();
  WriteFileAtomically(Path("shop.TLG"), SerializeDocument(Document()));
  script_->AnswerYes();
  main_->Save1Click();
  EXPECT_EQ(ItemsOnDisk(), 2);
  EXPECT_FALSE(main_->HasUnsavedChanges());
  ChangeSomething();
  main_->Save1Click();  // the file is as this program left it: no question
  EXPECT_EQ(script_->Questions().size(), 1);
}

// The other copy of KeepingWorkTest; runs only when started by it.
TEST(OtherCopy, DISABLED_WorksOnAFileUntilKilled) {
  const QString file = qEnvironmentVariable("TENPO_OTHER_COPY_FILE");
  const QByteArray password = qgetenv("TENPO_OTHER_COPY_PASSWORD");
  ASSERT_FALSE(file.isEmpty());
  TFormMain main;
  main.OnTerminate = [] {};
  Forms().Create(ProgramForms(), main.Doc());
  {
    DialogScript script;
    if (!password.isEmpty()) {
      script.ExpectModal<TFormLogIn>([&](TFormLogIn& f) { TypePassword(f, password.constData()); });
    }
    main.SetCommandLineFile(file);
    main.FormShow();
  }
  ASSERT_EQ(main.Doc().filePath, file);
  main.Doc().items.Add("B-2", kProduct, "", "", "5", "1", "", "", 0, 0, 0, 0);
  main.Doc().MarkChanged();
  main.Recovery().WriteNow();
  std::cout << "ready" << std::endl;
  std::string line;
  std::getline(std::cin, line);  // killed while waiting here
  Forms().Destroy();
}

}  // namespace
