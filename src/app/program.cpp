#include "program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include "app_title.h"
#include "dialogs.h"
#include "fonts.h"
#include "form_main.h"
#include "single_instance.h"

int RunProgram(int argc, char** argv, const FormFactories& factories) {
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
    Forms().Create(factories, main.Doc());
    main.SetCommandLineFile(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString());
    main.move(QGuiApplication::primaryScreen()->availableGeometry().center() -
              main.rect().center());
    main.show();
    status = QApplication::exec();
    Forms().Destroy();
  }
  return status;
}
