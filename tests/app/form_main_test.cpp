#include "form_main.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <functional>
#include <memory>

#include "atomic_file.h"
#include "backup_copy.h"
#include "build_info.h"
#include "config.h"
#include "data_file.h"
#include "dates.h"
#include "form_log_in.h"
#include "form_setting.h"
#include "form_version.h"
#include "image_button.h"
#include "shell_fixture.h"
#include "ui_test_helpers.h"

namespace {

struct MenuState {
  bool working;
  bool saveAs;
  bool save;
  bool settings;
  bool operator==(const MenuState&) const = default;
};

MenuState StateOf(const TFormMain& m) {
  return {m.WorkingPageShown(), m.S1->isEnabled(), m.Save1->isEnabled(), m.O2->isEnabled()};
}

void PrintTo(const MenuState& s, std::ostream* os) {
  *os << "{working " << s.working << ", saveAs " << s.saveAs << ", save " << s.save << ", settings "
      << s.settings << "}";
}

const MenuState kNoDocument{false, false, false, false};
const MenuState kNewDocument{true, true, false, true};
const MenuState kFileOpen{true, true, true, true};

void TypePassword(TFormLogIn& form, const char* password) {
  form.EditPassword->setText(QString::fromUtf8(password));
  form.ButtonOk->click();
}

Document Protected(const char* password) {
  Document doc;
  doc.usePassword = true;
  doc.password = password;
  doc.company.name = "shop";
  return doc;
}

bool Closes(TFormMain& m) {
  QCloseEvent event;
  QApplication::sendEvent(&m, &event);
  return event.isAccepted();
}

using FormMainTest = ShellTest;

TEST_F(FormMainTest, StartsOnTheStartPageWithNothingToSave) {
  EXPECT_EQ(StateOf(*main_), kNoDocument);
  EXPECT_EQ(main_->windowTitle(), QStringLiteral("てんぽ帳 販売管理"));
  EXPECT_EQ(main_->S1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
  EXPECT_TRUE(main_->Save1->shortcut().isEmpty());
}

TEST_F(FormMainTest, NewAsksOnlyOnTheWorkingPage) {
  main_->Doc().company.name = "left over";
  MakeNewDocument();
  // Only today's tax rates are offered.
  ASSERT_EQ(script_->Questions().size(), 1);
  EXPECT_EQ(StateOf(*main_), kNewDocument);
  EXPECT_TRUE(main_->Doc().company.name.empty());

  main_->Doc().items.Add("c", "n", "", "", "1", "1", "", "", 0, 0, 0, 0);
  script_->AnswerNo();
  main_->New1Click();
  EXPECT_EQ(main_->Doc().items.Count(), 1);
  ASSERT_EQ(script_->Questions().size(), 2);
  EXPECT_EQ(script_->Questions()[1],
            QStringLiteral("データを新規作成します。\r\n未保存のデータは破棄されます。\r\n"
                           "続行してよろしいですか？"));

  // Yes, then the settings cancelled: an empty document on the working page.
  script_->AnswerYes();
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) { f.ButtonCancel->click(); });
  main_->New1Click();
  EXPECT_EQ(main_->Doc().items.Count(), 0);
  EXPECT_EQ(StateOf(*main_), kNewDocument);
}

TEST_F(FormMainTest, CancelledNewOnTheStartPageKeepsTheStartPage) {
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) { f.ButtonCancel->click(); });
  main_->New1Click();
  EXPECT_EQ(StateOf(*main_), kNoDocument);
}

TEST_F(FormMainTest, NewTakesTheSettingsPasswordAndBackupSwitch) {
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    f.EditCompanyName->setText(QStringLiteral("株式会社てんぽ"));
    f.ComboBoxPeriod->setCurrentIndex(20);
    f.CheckBoxPassword->setChecked(true);
    f.EditPassword1->setText(QStringLiteral("pw"));
    f.EditPassword2->setText(QStringLiteral("pw"));
    f.CheckBoxBackUp->setChecked(false);
    EXPECT_TRUE(f.CheckBoxKeepIssued->isChecked());  // on for a new file
    f.CheckBoxKeepIssued->setChecked(false);
    f.ButtonOk->click();
  });
  script_->AnswerYes();
  main_->New1Click();
  const Document& doc = main_->Doc();
  // Today's rates follow the cleared 3 % and 5 %, offered with はい as the default.
  EXPECT_EQ(script_->Questions(),
            QStringList{"現在の消費税率（2014/04/01 から 8%、2019/10/01 から 10%）を税率表に"
                        "追加しますか？"});
  EXPECT_EQ(script_->DefaultButtons(), QStringList{"はい"});
  ASSERT_EQ(doc.taxes.Count(), 4);
  EXPECT_EQ(doc.taxes.RateAt(EncodeDate(2019, 9, 30)), Money::FromInt(8));
  EXPECT_EQ(doc.taxes.RateAt(EncodeDate(2026, 12, 9)), Money::FromInt(10));
  EXPECT_FALSE(main_->HasUnsavedChanges());
  EXPECT_EQ(doc.company.name, "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0\x82\xC4\x82\xF1\x82\xDB");
  EXPECT_EQ(doc.company.closingDay, 20);
  EXPECT_TRUE(doc.usePassword);
  EXPECT_EQ(doc.password, "pw");
  EXPECT_FALSE(doc.useBackup);
  EXPECT_FALSE(ReadBackupSwitch());  // written to the configuration as well
  EXPECT_FALSE(doc.keepIssued);
}

TEST_F(FormMainTest, SaveWithoutPathIsSaveAs) {
  MakeNewDocument();
  script_->ChooseSaveFile(Path("shop.TLG"));
  main_->Save1Click();
  EXPECT_EQ(main_->Doc().filePath, Path("shop.TLG"));
  EXPECT_TRUE(QFileInfo::exists(Path("shop.TLG")));
  EXPECT_EQ(StateOf(*main_), kFileOpen);

  // Cancelling Save As changes nothing.
  main_->S1Click();
  EXPECT_EQ(main_->Doc().filePath, Path("shop.TLG"));
  ASSERT_EQ(script_->FileRequests().size(), 2u);
  EXPECT_EQ(script_->FileRequests()[1].dir, Path("shop.TLG"));  // preset with the path
}

// Acts on whatever modal window the real dialogs show next, one step per call, until the
// steps run out; a window left over is rejected so that the test never hangs.
std::unique_ptr<QTimer> DriveModals(std::vector<std::function<void(QWidget&)>> steps) {
  auto timer = std::make_unique<QTimer>();
  QObject::connect(timer.get(), &QTimer::timeout, [steps = std::move(steps)]() mutable {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible()) return;
    if (steps.empty()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
      return;
    }
    const auto step = steps.front();
    steps.erase(steps.begin());
    step(*modal);
  });
  timer->start(20);
  return timer;
}

// Typing "shop" where shop.TLG exists must bring the question before it is replaced: the
// extension is added inside the real save dialog, not after it closed.
TEST_F(FormMainTest, SaveAsAsksBeforeReplacingTheFileNamedWithoutItsExtension) {
  WriteDataFile(QStringLiteral("shop.TLG"), Protected("keep"));
  const std::string before = ReadWholeFile(Path("shop.TLG"));
  WriteLastFolder(QFileInfo(Path("shop.TLG")).absolutePath());
  MakeNewDocument();
  QString question;
  const auto driver =
      DriveModals({[](QWidget& w) {
                     auto& dialog = dynamic_cast<QFileDialog&>(w);
                     dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))
                         ->setText(QStringLiteral("shop"));
                     // As the Save button does; queued, since the question it brings runs its
                     // own event loop and the timer must be free to answer it.
                     QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
                   },
                   [&question](QWidget& w) {
                     auto& box = dynamic_cast<QMessageBox&>(w);
                     question = box.text();
                     box.reject();  // No: not replaced, the save dialog stays open
                   }});
  DialogHandler* script = SetDialogHandler(nullptr);
  main_->S1Click();
  SetDialogHandler(script);
  EXPECT_TRUE(question.contains(QStringLiteral("shop.TLG"))) << question.toStdString();
  EXPECT_EQ(ReadWholeFile(Path("shop.TLG")), before);
  EXPECT_TRUE(main_->Doc().filePath.isEmpty());
  EXPECT_EQ(QDir(QFileInfo(Path("shop.TLG")).absolutePath()).entryList(QDir::Files),
            QStringList{QStringLiteral("shop.TLG")});
}

TEST_F(FormMainTest, FileDialogsStartInTheFilesFolderElseTheLastUsedElseHome) {
  const QString home = QDir::home().filePath(QStringLiteral("*.TLG"));
  ASSERT_TRUE(QDir().mkpath(Path("sub")));
  MakeNewDocument();
  script_->ChooseSaveFile(QString());
  main_->S1Click();  // nothing used yet: home, twice
  script_->ChooseSaveFile(Path("sub/shop.TLG"));
  main_->S1Click();
  script_->ChooseSaveFile(QString());
  main_->S1Click();  // the open file
  script_->AnswerYes();
  script_->ChooseOpenFile(QString());
  main_->O1Click();  // the open file's folder
  script_->AnswerYes();
  MakeNewDocument();
  script_->ChooseSaveFile(QString());
  main_->S1Click();  // no file: the folder last used
  ASSERT_TRUE(QDir(Path("sub")).removeRecursively());
  script_->ChooseSaveFile(QString());
  main_->S1Click();  // that folder is gone: home
  QStringList dirs;
  for (const auto& request : script_->FileRequests()) dirs.append(request.dir);
  EXPECT_EQ(dirs, (QStringList{home, home, Path("sub/shop.TLG"), Path("sub/*.TLG"),
                               Path("sub/*.TLG"), home}));
  EXPECT_EQ(ReadLastFolder(), Path("sub"));
}

TEST_F(FormMainTest, EverySaveLeavesAReadOnlyBackupCopy) {
  MakeNewDocument();
  script_->ChooseSaveFile(Path("shop.TLG"));
  main_->S1Click();
  main_->Save1Click();
  main_->Save1Click();
  const QDir backups(BackupFolder());
  const QStringList copies = backups.entryList(QDir::Files, QDir::Name);
  ASSERT_EQ(copies.size(), 3) << copies.join(QLatin1Char('|')).toStdString();
  const QRegularExpression pattern(
      QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d{6}(-\\d+)? shop\\.TLG$"));
  for (const QString& name : copies) {
    EXPECT_TRUE(pattern.match(name).hasMatch()) << name.toStdString();
    const QFileInfo info(backups.filePath(name));
    EXPECT_FALSE(info.permissions() & QFileDevice::WriteOwner) << name.toStdString();
    EXPECT_EQ(ReadWholeFile(info.filePath()), ReadWholeFile(Path("shop.TLG")));
  }
  EXPECT_TRUE(script_->Messages().isEmpty());
}

TEST_F(FormMainTest, BackupSwitchOffWritesNoCopy) {
  MakeNewDocument();
  main_->Doc().useBackup = false;
  script_->ChooseSaveFile(Path("shop.TLG"));
  main_->S1Click();
  EXPECT_TRUE(QDir(BackupFolder()).entryList(QDir::Files).isEmpty());
}

TEST(BackupCopy, TwoSavesInOneSecondGetDistinctNames) {
  QTemporaryDir dir;
  const QDateTime when(QDate(2024, 3, 31), QTime(23, 59, 59));
  const QString first = BackupPath(dir.path(), QStringLiteral("/data/shop.TLG"), when);
  EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("2024-03-31 235959 shop.TLG"));
  QFile(first).open(QIODevice::WriteOnly);
  const QString second = BackupPath(dir.path(), QStringLiteral("/data/shop.TLG"), when);
  EXPECT_EQ(QFileInfo(second).fileName(), QStringLiteral("2024-03-31 235959-2 shop.TLG"));
}

// From the working page a file that does not open leaves the document as it was.
TEST_F(FormMainTest, OpeningAForeignFileKeepsTheOpenDocument) {
  MakeNewDocument();
  main_->Doc().company.name = "unsaved";
  QFile foreign(Path("notes.TLG"));
  ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
  foreign.write("just some text");
  foreign.close();
  script_->AnswerYes();
  script_->ChooseOpenFile(Path("notes.TLG"));
  main_->O1Click();
  EXPECT_EQ(script_->Messages(),
            QStringList{QStringLiteral(
                "【notes.TLG】は、\r\nてんぽ帳 販売管理 のファイルではありません。")});
  EXPECT_EQ(StateOf(*main_), kNewDocument);
  EXPECT_EQ(main_->Doc().company.name, "unsaved");
  EXPECT_EQ(terminated_, 0);
}

TEST_F(FormMainTest, ProtectedFileOpensWithTheRightPasswordOnTheThirdTry) {
  WriteDataFile(QStringLiteral("p.TLG"), Protected("secret"));
  script_->ChooseOpenFile(Path("p.TLG"));
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { TypePassword(f, "one"); });
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) {
    EXPECT_TRUE(f.EditPassword->text().isEmpty());  // emptied at every showing
    TypePassword(f, "two");
  });
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { TypePassword(f, "secret"); });
  main_->O1Click();
  EXPECT_EQ(script_->Messages(), QStringList(2, QStringLiteral("パスワードが正しくありません。")));
  EXPECT_EQ(StateOf(*main_), kFileOpen);
  EXPECT_EQ(main_->Doc().company.name, "shop");
  EXPECT_EQ(main_->Doc().filePath, Path("p.TLG"));
}

// Only a file named at start ends the program after three wrong passwords.
TEST_F(FormMainTest, ThreeWrongPasswordsEndTheProgramOnlyAtStart) {
  WriteDataFile(QStringLiteral("p.TLG"), Protected("secret"));
  script_->ChooseOpenFile(Path("p.TLG"));
  for (int round = 0; round < 6; ++round) {
    script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { TypePassword(f, "wrong"); });
  }
  main_->O1Click();
  EXPECT_EQ(terminated_, 0);
  EXPECT_EQ(StateOf(*main_), kNoDocument);
  ASSERT_EQ(script_->Messages().size(), 4);
  EXPECT_EQ(
      script_->Messages().last(),
      QStringLiteral("パスワードの入力を一定回数以上間違えたため、ファイルを開けませんでした。"));

  main_->SetCommandLineFile(Path("p.TLG"));
  main_->FormShow();
  EXPECT_EQ(terminated_, 1);
  EXPECT_EQ(script_->Messages().last(),
            QStringLiteral("パスワードの入力を一定回数以上間違えた為、ソフトを終了します。"));
}

TEST_F(FormMainTest, CancelOnTheSecondTryLeavesAnEmptyDocument) {
  WriteDataFile(QStringLiteral("p.TLG"), Protected("secret"));
  script_->ChooseOpenFile(Path("p.TLG"));
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { TypePassword(f, "wrong"); });
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { f.ButtonCancel->click(); });
  main_->O1Click();
  EXPECT_EQ(terminated_, 0);
  EXPECT_EQ(StateOf(*main_), kNoDocument);
  EXPECT_TRUE(main_->Doc().company.name.empty());
}

TEST_F(FormMainTest, CommandLineFileOpensOnlyWithTheDataExtension) {
  Document doc;
  doc.company.name = "from the command line";
  WriteDataFile(QStringLiteral("sales.tlg"), doc);
  WriteDataFile(QStringLiteral("sales.txt"), doc);

  main_->SetCommandLineFile(Path("sales.txt"));
  main_->FormShow();
  EXPECT_EQ(StateOf(*main_), kNoDocument);
  EXPECT_TRUE(main_->Doc().filePath.isEmpty());

  main_->SetCommandLineFile(Path("sales.tlg"));
  main_->FormShow();
  EXPECT_EQ(StateOf(*main_), kFileOpen);
  EXPECT_EQ(main_->Doc().company.name, "from the command line");
  EXPECT_EQ(terminated_, 0);
}

TEST_F(FormMainTest, CommandLineFileThatDoesNotOpenEndsTheProgram) {
  main_->SetCommandLineFile(Path("missing.TLG"));
  main_->FormShow();
  EXPECT_EQ(terminated_, 1);
  EXPECT_EQ(script_->Messages().size(), 1);  // the file error, then the end

  WriteDataFile(QStringLiteral("p.TLG"), Protected("secret"));
  main_->SetCommandLineFile(Path("p.TLG"));
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { f.ButtonCancel->click(); });
  main_->FormShow();
  EXPECT_EQ(terminated_, 2);
}

TEST_F(FormMainTest, ClosingAsksOnlyOnTheWorkingPage) {
  EXPECT_TRUE(Closes(*main_));
  EXPECT_TRUE(script_->Questions().isEmpty());
  MakeNewDocument();
  script_->AnswerNo();
  EXPECT_FALSE(Closes(*main_));
  script_->AnswerYes();
  EXPECT_TRUE(Closes(*main_));
  EXPECT_EQ(script_->Questions().last(),
            QStringLiteral("終了します。\r\n未保存のデータは破棄されます、よろしいですか？"));
}

TEST_F(FormMainTest, HomePageOpensOnlyOnYes) {
  script_->AnswerNo();
  main_->W1Click();
  EXPECT_TRUE(opened_.empty());
  script_->AnswerYes();
  main_->W1Click();
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], QUrl(QStringLiteral("https://www.tsukue.example/")));
  // Without a browser the user is told so, with the address to open by hand.
  EXPECT_TRUE(script_->Messages().isEmpty());
  shellOpens_ = false;
  script_->AnswerYes();
  main_->W1Click();
  ASSERT_EQ(script_->Messages().size(), 1);
  EXPECT_TRUE(script_->Messages().last().endsWith(QStringLiteral("https://www.tsukue.example/")));
}

TEST_F(FormMainTest, SettingsUntickedRemovesThePassword) {
  MakeNewDocument();
  main_->Doc().usePassword = true;
  main_->Doc().password = "old";
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_TRUE(f.CheckBoxPassword->isChecked());
    EXPECT_EQ(f.EditPassword2->text(), QStringLiteral("old"));
    f.CheckBoxPassword->setChecked(false);
    f.ButtonOk->click();
  });
  main_->ButtonSettingsClick();
  EXPECT_FALSE(main_->Doc().usePassword);
  EXPECT_TRUE(main_->Doc().password.empty());
}

TEST_F(FormMainTest, FailedSaveKeepsThePathAndSaysWhy) {
  MakeNewDocument();
  script_->ChooseSaveFile(Path("no/such/folder/shop.TLG"));
  main_->S1Click();
  EXPECT_EQ(script_->Messages().size(), 1);
  EXPECT_TRUE(main_->Doc().filePath.isEmpty());
  EXPECT_EQ(StateOf(*main_), kNewDocument);
}

}  // namespace

namespace {

using FormMainNavigationTest = ShellTest;

TEST_F(FormMainNavigationTest, PurchaseNeedsProductsFirstThenSuppliers) {
  MakeNewDocument();
  script_->ExpectModal(DialogScript::Reject);  // the product list opens instead
  main_->ButtonNyuukoClick();
  EXPECT_EQ(script_->Messages().last(),
            QStringLiteral("商品が登録されていません。\r\n商品を先に登録してください。"));
  EXPECT_EQ(script_->ModalWindows().last(), QStringLiteral("TFormItemList"));

  main_->Doc().items.Add("c", "n", "", "", "1", "1", "", "", 0, 0, 0, 0);
  script_->ExpectModal([](QDialog& list) {
    EXPECT_EQ(list.windowTitle(), QStringLiteral("仕入先リスト"));
    EXPECT_EQ(static_cast<TForm&>(list).Tag, kSupplierKind);
    list.reject();
  });
  main_->ButtonNyuukoClick();
  EXPECT_EQ(script_->Messages().last(),
            QStringLiteral("仕入先が登録されていません。\r\n仕入先を先に登録してください。"));
  EXPECT_EQ(script_->ModalWindows().last(), QStringLiteral("TFormCustomerList"));
}

TEST_F(FormMainNavigationTest, ShipmentAndReceiptsNeedCustomers) {
  MakeNewDocument();
  main_->Doc().items.Add("c", "n", "", "", "1", "1", "", "", 0, 0, 0, 0);
  CustomerRecord supplier;
  main_->Doc().suppliers.Add(supplier);
  for (auto handler : {&TFormMain::ButtonSyukkoClick, &TFormMain::ButtonNyukinClick}) {
    script_->ExpectModal([](QDialog& list) {
      EXPECT_EQ(list.windowTitle(), QStringLiteral("出荷先リスト"));
      EXPECT_EQ(static_cast<TForm&>(list).Tag, kCustomerKind);
      list.reject();
    });
    (main_.get()->*handler)();
    EXPECT_EQ(script_->Messages().last(),
              QStringLiteral("出荷先が登録されていません。\r\n出荷先を先に登録してください。"));
  }
  // Payments need only suppliers, which exist: no message, the payment list opens.
  const int before = static_cast<int>(script_->Messages().size());
  script_->ExpectModal([](QDialog& list) {
    EXPECT_EQ(list.windowTitle(), QStringLiteral("支払リスト"));
    EXPECT_EQ(static_cast<TForm&>(list).Tag, kSupplierKind);
    list.reject();
  });
  main_->ButtonShiharaiClick();
  EXPECT_EQ(script_->Messages().size(), before);
  EXPECT_EQ(script_->ModalWindows().last(), QStringLiteral("TFormPaymentList"));
}

TEST_F(FormMainNavigationTest, MasterButtonsOpenTheirLists) {
  MakeNewDocument();
  script_->ExpectModal(DialogScript::Reject);
  script_->ExpectModal(DialogScript::Reject);
  script_->ExpectModal(DialogScript::Reject);
  script_->ExpectModal(DialogScript::Reject);
  main_->PNGButtonProduct->click();
  main_->PNGButtonShiire->click();
  // From the keyboard: Enter on the focused button presses it, as Space does.
  PressKey(main_->PNGButtonSyukka, Qt::Key_Return);
  main_->About2Click();
  EXPECT_EQ(script_->ModalWindows(),
            (QStringList{"TFormSetting", "TFormItemList", "TFormCustomerList", "TFormCustomerList",
                         "TFormVersion"}));
  Document doc;
  const TFormVersion version(doc);
  EXPECT_EQ(version.LabelVersion->text(),
            QStringLiteral("バージョン ") + QString::fromStdString(VersionText()));
}

}  // namespace

namespace {

using FormMainOpenTest = ShellTest;

TEST_F(FormMainOpenTest, UnreadableFileKeepsThePageAndTheDocument) {
  MakeNewDocument();
  main_->Doc().company.name = "unsaved";
  script_->AnswerYes();
  script_->ChooseOpenFile(Path("vanished.TLG"));
  main_->O1Click();
  EXPECT_EQ(script_->Messages().size(), 1);
  EXPECT_EQ(main_->Doc().company.name, "unsaved");
  EXPECT_TRUE(main_->WorkingPageShown());
  EXPECT_EQ(terminated_, 0);
}

}  // namespace
