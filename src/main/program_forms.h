#pragma once

#include "form_registry.h"

// Every window of the program, from each folder: the one place that knows them all.
FormFactories ProgramForms();
