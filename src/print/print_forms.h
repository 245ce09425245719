#pragma once

#include "form_registry.h"

// The factories of the printing windows, for the window registry.
void AddPrintForms(FormFactories& factories);
