#pragma once

#include "form_registry.h"

// The factories of the master-data windows, for the window registry.
void AddMasterForms(FormFactories& factories);
