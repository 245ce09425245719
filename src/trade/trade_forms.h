#pragma once

#include "form_registry.h"

// The factories of the transaction windows, for the window registry.
void AddTradeForms(FormFactories& factories);
