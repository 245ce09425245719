#include "form_setting.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "config.h"
#include "dates.h"
#include "focus_mark.h"
#include "form_log_in.h"
#include "form_tax_list.h"
#include "radio_group.h"
#include "shell_fixture.h"
#include "sjis_codec.h"
#include "ss_edit.h"
#include "ui_test_helpers.h"

namespace {

using FormSettingTest = ShellTest;

TFormSetting& Settings() {
  return *Forms().As<TFormSetting>(FormId::Setting);
}

void TickPassword(TFormSetting& f, const QString& first, const QString& second) {
  f.CheckBoxPassword->setChecked(true);
  f.EditPassword1->setText(first);
  f.EditPassword2->setText(second);
}

TEST_F(FormSettingTest, ShowsTheDocumentsSettingsAndPassword) {
  Document& doc = main_->Doc();
  doc.company.name = "\x8A\x94";  // 株
  doc.company.payMonth = 2;
  doc.company.payDay = 0;
  doc.company.decimals = 2;
  doc.company.rounding = 1;
  doc.company.accountNumber = "1234567";
  doc.usePassword = true;
  doc.password = "pw";
  doc.useBackup = false;
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_EQ(f.EditCompanyName->text(), QStringLiteral("株"));
    EXPECT_EQ(f.ComboBoxPayMonth->currentText(), QStringLiteral("翌々月"));
    EXPECT_EQ(f.ComboBoxPayDay->currentText(), QStringLiteral("月末"));
    EXPECT_EQ(f.RadioGroupUnderOne->ItemIndex(), 2);
    EXPECT_EQ(f.RadioGroupRound->ItemIndex(), 1);
    EXPECT_EQ(f.EditAccountNumber->text(), QStringLiteral("1234567"));
    EXPECT_TRUE(f.EditPassword1->isEnabled());
    EXPECT_FALSE(f.CheckBoxBackUp->isChecked());
    f.ButtonOk->click();  // both password edits are filled: no retyping needed
  });
  EXPECT_EQ(ShowModal(&Settings()), QDialog::Accepted);
  EXPECT_TRUE(script_->Messages().isEmpty());
  EXPECT_EQ(Settings().Company(), doc.company);
}

TEST_F(FormSettingTest, PasswordMustBeTypedTwiceAlike) {
  struct Case {
    QString first;
    QString second;
    QString message;
  };
  const std::vector<Case> cases = {
      {"", "", "パスワードが入力されていません。"},
      {"secret", "", "パスワードが入力されていません。"},
      {"", "secret", "パスワードが入力されていません。"},
      {"secret", "Secret", "パスワードの入力が一致していません。"},
      {"secret", "secret2", "パスワードの入力が一致していません。"},
  };
  for (const Case& c : cases) {
    script_->ExpectModal<TFormSetting>([&](TFormSetting& f) {
      TickPassword(f, c.first, c.second);
      f.ButtonOk->click();
      EXPECT_TRUE(f.isVisible()) << c.message.toStdString();  // stays open
      f.ButtonCancel->click();
    });
    ShowModal(&Settings());
    ASSERT_FALSE(script_->Messages().isEmpty());
    EXPECT_EQ(script_->Messages().last(), c.message);
  }
  // Unticked, the texts are not checked.
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    TickPassword(f, "a", "b");
    f.CheckBoxPassword->setChecked(false);
    EXPECT_FALSE(f.EditPassword1->isEnabled());
    f.ButtonOk->click();
  });
  EXPECT_EQ(ShowModal(&Settings()), QDialog::Accepted);
  EXPECT_FALSE(Settings().PasswordOn());
}

// The invoice fields follow the other settings: shown from the document, taken only on OK,
// and for New too.
TEST_F(FormSettingTest, InvoiceFieldsShowTheDocumentAndAreTakenOnlyOnOk) {
  Document& doc = main_->Doc();
  doc.invoice.enabled = true;
  doc.invoice.registrationNumber = "T1234567890123";
  doc.invoice.reducedItems = {3};
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_EQ(f.EditRegistrationNumber->text(), QStringLiteral("T1234567890123"));
    EXPECT_TRUE(f.CheckBoxInvoice->isChecked());
    f.EditRegistrationNumber->clear();
    f.CheckBoxInvoice->setChecked(false);
    f.ButtonCancel->click();
  });
  main_->ButtonSettingsClick();
  EXPECT_TRUE(doc.invoice.enabled);
  EXPECT_EQ(doc.invoice.registrationNumber, "T1234567890123");

  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    f.EditRegistrationNumber->setText(QStringLiteral(" T9876543210987 "));
    f.CheckBoxInvoice->setChecked(false);
    f.ButtonOk->click();
  });
  main_->ButtonSettingsClick();
  EXPECT_FALSE(doc.invoice.enabled);
  EXPECT_EQ(doc.invoice.registrationNumber, "T9876543210987");  // without the blanks
  EXPECT_EQ(doc.invoice.reducedItems, std::set<int32_t>{3});    // not the window's to touch

  // New starts from nothing and takes what was entered.
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_TRUE(f.EditRegistrationNumber->text().isEmpty());
    EXPECT_FALSE(f.CheckBoxInvoice->isChecked());
    f.EditRegistrationNumber->setText(QStringLiteral("T0000000000001"));
    f.CheckBoxInvoice->setChecked(true);
    f.ButtonOk->click();
  });
  script_->AnswerNo();  // today's tax rates
  main_->New1Click();
  EXPECT_TRUE(doc.invoice.enabled);
  EXPECT_EQ(doc.invoice.registrationNumber, "T0000000000001");
  EXPECT_TRUE(doc.invoice.reducedItems.empty());
}

TEST_F(FormSettingTest, RegistrationNumberIsTAndThirteenDigitsOrRefused) {
  const QString badNumber = QStringLiteral("登録番号は「T」と13桁の数字で入力してください。");
  const QString noNumber =
      QStringLiteral("適格請求書（インボイス）形式で発行するには登録番号を入力してください。");
  struct Case {
    QString number;
    bool invoiceOn;
    QString message;  // empty: accepted
  };
  const std::vector<Case> cases = {
      {"T123456789012", false, badNumber},    // 12 digits
      {"T12345678901234", false, badNumber},  // 14 digits
      {"t1234567890123", false, badNumber},
      {"1234567890123", false, badNumber},
      {"T123456789012X", false, badNumber},
      {"T 1234567890123", false, badNumber},
      {"T１２３４５６７８９０１２３", true, badNumber},  // full-width digits
      {"", true, noNumber},
      {"   ", true, noNumber},
      {"", false, ""},
      {"T1234567890123", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number.toStdString());
    main_->Doc().invoice = InvoiceSettings{};
    script_->ExpectModal<TFormSetting>([&](TFormSetting& f) {
      f.PageControl1->setCurrentWidget(f.TabSheet3);
      f.EditRegistrationNumber->setText(c.number);
      f.CheckBoxInvoice->setChecked(c.invoiceOn);
      f.ButtonOk->click();
      if (c.message.isEmpty()) return;
      EXPECT_TRUE(f.isVisible());
      EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet1);
      EXPECT_EQ(f.focusWidget(), f.EditRegistrationNumber);
      f.ButtonCancel->click();
    });
    const int messages = script_->Messages().size();
    main_->ButtonSettingsClick();
    if (c.message.isEmpty()) {
      EXPECT_EQ(script_->Messages().size(), messages);
      EXPECT_EQ(main_->Doc().invoice.enabled, c.invoiceOn);
      EXPECT_EQ(FromSjis(main_->Doc().invoice.registrationNumber), c.number);
    } else {
      ASSERT_EQ(script_->Messages().size(), messages + 1);
      EXPECT_EQ(script_->Messages().last(), c.message);
      EXPECT_TRUE(main_->Doc().invoice.IsDefault());  // nothing copied
    }
  }
}

TEST_F(FormSettingTest, PastingIntoThePasswordInsertsNothing) {
  TFormSetting& f = Settings();
  ShowActive(&f);
  f.CheckBoxPassword->setChecked(true);
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  f.EditPassword1->clear();
  FocusOn(f.EditPassword1);
  PressKey(f.EditPassword1, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
  EXPECT_TRUE(f.EditPassword1->text().isEmpty());
  PressKey(f.EditPassword1, Qt::Key_Insert, Qt::ShiftModifier);  // the other paste key
  EXPECT_TRUE(f.EditPassword1->text().isEmpty());
  TypeText(f.EditPassword1, QStringLiteral("abc"));
  EXPECT_EQ(f.EditPassword1->text(), QStringLiteral("abc"));
  PressKey(f.EditPassword1, Qt::Key_Backspace);
  EXPECT_EQ(f.EditPassword1->text(), QStringLiteral("ab"));
  f.hide();
}

TEST_F(FormSettingTest, CancelKeepsTaxChangesAndDropsTheRest) {
  Document& doc = main_->Doc();
  doc.company.name = "before";
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    f.EditCompanyName->setText(QStringLiteral("after"));
    f.ButtonTax->click();
    f.ButtonCancel->click();
  });
  script_->ExpectModal<TFormTaxList>([](TFormTaxList& t) {
    t.DateTimePickerStartDay->setDate(QDate(2030, 1, 1));
    t.SsEditRateAdd->SetText(QStringLiteral("12"));
    t.ButtonTaxAdd->click();
    t.ButtonOk->click();
  });
  main_->ButtonSettingsClick();
  EXPECT_EQ(doc.company.name, "before");
  EXPECT_EQ(doc.taxes.Count(), 3);
  EXPECT_EQ(doc.taxes.RateAt(EncodeDate(2030, 1, 1)), Money::FromInt(12));
}

TEST_F(FormSettingTest, EnterWalksTheCompanyPageToOkWithTheFocusShown) {
  TFormSetting& f = Settings();
  ShowActive(&f);
  FocusOn(f.EditCompanyName);
  EXPECT_EQ(WalkWithEnter(14),
            (QStringList{"EditPostal", "EditAddress1", "EditAddress2", "EditTel", "EditFax",
                         "EditPerson", "EditRegistrationNumber", "CheckBoxInvoice",
                         "ComboBoxPeriod", "ComboBoxPayMonth", "ComboBoxPayDay",
                         "RadioGroupUnderOne", "RadioGroupRound", "ButtonOk"}));
  ASSERT_NE(FocusMarkFrame(), nullptr);
  EXPECT_EQ(FocusMarkFrame()->geometry(), f.ButtonOk->geometry().adjusted(-2, -2, 2, 2));
  f.reject();
}

TEST_F(FormSettingTest, BackupButtonCreatesAndOpensTheFolder) {
  Settings().ButtonBackUpClick();
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_TRUE(opened_[0].isLocalFile());
  EXPECT_TRUE(opened_[0].toLocalFile().endsWith(QStringLiteral("Tsukue/TENPOLEDGER/BackUp")));
  EXPECT_TRUE(QFileInfo(opened_[0].toLocalFile()).isDir());
  EXPECT_TRUE(script_->Messages().isEmpty());

  shellOpens_ = false;
  Settings().ButtonBackUpClick();
  ASSERT_EQ(script_->Messages().size(), 1);
  EXPECT_TRUE(script_->Messages()[0].endsWith(QDir::toNativeSeparators(opened_[0].toLocalFile())))
      << script_->Messages()[0].toStdString();
}

TEST_F(FormSettingTest, ShowsTheBackupFoldersSizeAndKeepingAndReportsTheChoiceMade) {
  TFormSetting& f = Settings();
  const QDir folder(BackupFolder());
  struct Case {
    QString file;  // resized to `size`; none: the folder does not exist yet
    qint64 size;
    QString text;
  };
  const std::vector<Case> cases = {
      {"", 0, "使用容量：0 KB（0 ファイル）"},
      {"a", 0, "使用容量：0 KB（1 ファイル）"},
      {"a", 1, "使用容量：0.1 KB（1 ファイル）"},
      {"a", 1536, "使用容量：1.5 KB（1 ファイル）"},
      {"a", 1048575, "使用容量：1.0 MB（1 ファイル）"},
      {"sub/b", 9856614 - 1048575, "使用容量：9.4 MB（2 ファイル）"},
  };
  for (const Case& c : cases) {
    if (!c.file.isEmpty()) {
      folder.mkpath(QFileInfo(folder.filePath(c.file)).path());
      QFile file(folder.filePath(c.file));
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      ASSERT_TRUE(file.resize(c.size));
    }
    f.FormShow();
    EXPECT_EQ(f.LabelBackUpSize->text(), c.text);
  }

  WriteBackupKeepAll(true);
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_FALSE(f.ComboBoxBackUpKeep->isEditable());
    EXPECT_EQ(f.ComboBoxBackUpKeep->currentText(), QStringLiteral("すべて保存する"));
    EXPECT_TRUE(f.BackupKeepAll());
    f.ComboBoxBackUpKeep->setCurrentIndex(0);
    EXPECT_FALSE(f.BackupKeepAll());
    f.ButtonCancel->click();
  });
  // Shown afresh from the configuration, which the window itself never writes.
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_TRUE(f.BackupKeepAll());
    f.ButtonOk->click();
  });
  ShowModal(&f);
  ShowModal(&f);
  EXPECT_TRUE(ReadBackupKeepAll());

  WriteBackupKeepAll(false);
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) {
    EXPECT_EQ(f.ComboBoxBackUpKeep->currentText(),
              QStringLiteral("自動で整理する（7日間はすべて、3か月間は1日1つ、以降は1か月に1つ）"));
    f.ComboBoxBackUpKeep->setCurrentIndex(1);
    f.ButtonOk->click();
  });
  EXPECT_EQ(ShowModal(&f), QDialog::Accepted);
  EXPECT_TRUE(f.BackupKeepAll());
  EXPECT_FALSE(ReadBackupKeepAll());
}

TEST_F(FormSettingTest, BehaviourPageFitsAndEnterWalksIt) {
  TFormSetting& f = Settings();
  ShowActive(&f);
  EXPECT_EQ(f.size(), QSize(717, 447));  // the layout needs no more
  f.PageControl1->setCurrentWidget(f.TabSheet3);
  f.CheckBoxPassword->setChecked(true);
  FocusOn(f.CheckBoxPassword);
  EXPECT_EQ(WalkWithEnter(5), (QStringList{"EditPassword1", "EditPassword2", "CheckBoxBackUp",
                                           "ComboBoxBackUpKeep", "ButtonBackUp"}));
  f.reject();
}

TEST_F(FormSettingTest, LogInRefusesAnEmptyPasswordAndTakesEnterAndEsc) {
  auto* logIn = Forms().As<TFormLogIn>(FormId::LogIn);
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) {
    PressKey(f.EditPassword, Qt::Key_Return);
    EXPECT_TRUE(f.isVisible());
    TypeText(f.EditPassword, QStringLiteral("pw"));
    PressKey(f.EditPassword, Qt::Key_Return);
  });
  EXPECT_EQ(AskPasswordWithLogIn(logIn), std::optional<std::string>("pw"));
  EXPECT_EQ(script_->Messages(), QStringList{QStringLiteral("パスワードを入力して下さい。")});
  script_->ExpectModal<TFormLogIn>([](TFormLogIn& f) { PressKey(&f, Qt::Key_Escape); });
  EXPECT_EQ(AskPasswordWithLogIn(logIn), std::nullopt);
}

}  // namespace
