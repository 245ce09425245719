#include "program.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleHints>
#include <QTranslator>

#include "app_title.h"
#include "dialogs.h"
#include "focus_mark.h"
#include "fonts.h"
#include "form_main.h"
#include "single_instance.h"

void UseJapanese(QTranslator& translator) {
  // Whatever the system's locale: dates, month names and Qt's own texts in dialogs.
  QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
  if (translator.load(QStringLiteral("qtbase_ja"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&translator);
  }
}

int RunProgram(int argc, char** argv, const FormFactories& factories) {
  QApplication app(argc, argv);
  RegisterFontSubstitutions();
  InstallFocusMark();
  // Enter and Tab reach pick lists, radio buttons and buttons too, whatever the desktop
  // prefers.
  QGuiApplication::styleHints()->setTabFocusBehavior(Qt::TabFocusAllControls);
  QTranslator qtJapanese;
  UseJapanese(qtJapanese);

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
