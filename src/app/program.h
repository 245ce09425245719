#pragma once

#include "form_registry.h"

// The program: single-instance check, every window created once from the factories, the
// command-line file handed to the main window, the event loop. Returns the exit status.
int RunProgram(int argc, char** argv, const FormFactories& factories);
