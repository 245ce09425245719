#include "program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "app_title.h"
#include "dialogs.h"
#include "fonts.h"
#include "form_log_in.h"
#include "form_main.h"
#include "form_setting.h"
#include "form_version.h"
#include "master_forms.h"
#include "print_forms.h"
#include "single_instance.h"

FormFactories ProgramForms() {
  FormFactories factories;
  factories[FormId::Setting] = [](Document& doc) { return new TFormSetting(doc); };
  factories[FormId::LogIn] = [](Document& doc) { return new TFormLogIn(doc); };
  factories[FormId::Version] = [](Document& doc) { return new TFormVersion(doc); };
  AddMasterForms(factories);
  AddPrintForms(factories);
  return factories;
}

int RunProgram(int argc, char** argv) {
  QApplication app(argc, argv);
  RegisterFontSubstitutions();
  // The program speaks Japanese, the file dialogs and standard buttons included.
  QTranslator qtJapanese;
  if (qtJapanese.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtJapanese);
  }

  QLockFile lock(SingleInstanceLockPath());
  if (!AcquireSingleInstance(lock)) {
    ShowMessage(QStringLiteral("既に起動しています。"));
    return 0;
  }
  int status = 0;
  {
    TFormMain main;
    Forms().Create(ProgramForms(), main.Doc());
    main.SetCommandLineFile(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    main.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
              main.rect().center());
    main.show();
    status = QApplication::exec();
    Forms().Destroy();
  }
  return status;
}
