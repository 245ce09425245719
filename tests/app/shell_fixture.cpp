#include "shell_fixture.h"

#include <QPushButton>

#include "data_file.h"
#include "form_setting.h"
#include "shell_open.h"

void ShellTest::SetUp() {
  ASSERT_TRUE(dir_.isValid());
  oldDataHome_ = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", dir_.filePath(QStringLiteral("config")).toUtf8());
  main_ = std::make_unique<TFormMain>();
  main_->OnTerminate = [this] { ++terminated_; };
  Forms().Create(ProgramForms(), main_->Doc());
  script_ = std::make_unique<DialogScript>();
  SetShellHandler([this](const QUrl& url) {
    opened_.push_back(url);
    return shellOpens_;
  });
}

void ShellTest::TearDown() {
  SetShellHandler({});
  script_.reset();
  Forms().Destroy();
  main_.reset();
  qputenv("XDG_DATA_HOME", oldDataHome_);
}

void ShellTest::WriteDataFile(const QString& name, const Document& doc) const {
  SaveDocument(doc, Path(name));
}

void ShellTest::MakeNewDocument() {
  script_->ExpectModal<TFormSetting>([](TFormSetting& f) { f.ButtonOk->click(); });
  script_->AnswerNo();  // today's tax rates: the cleared list is what the tests expect
  main_->New1Click();
}
