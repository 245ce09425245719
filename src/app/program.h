#pragma once

#include "form_registry.h"

class QTranslator;

// The program speaks Japanese whatever the system's locale: the default locale becomes
// Japanese (Japan) and Qt's own texts are translated with `translator`, which must live
// as long as the application.
void UseJapanese(QTranslator& translator);

// The program: single-instance check, every window created once from the factories, the
// command-line file handed to the main window, the event loop. Returns the exit status.
int RunProgram(int argc, char** argv, const FormFactories& factories);
