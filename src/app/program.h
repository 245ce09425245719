#pragma once

#include "form_registry.h"

// Every window of the program, from each folder.
FormFactories ProgramForms();

// The program: single-instance check, every window created once, the command-line file
// handed to the main window, the event loop. Returns the exit status.
int RunProgram(int argc, char** argv);
