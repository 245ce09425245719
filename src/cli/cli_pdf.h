#pragma once

#include <string>

#include "document.h"
#include "report.h"

// The document `what` ("items", "suppliers", "customers") of the data file, with the
// options its window starts with. Throws std::invalid_argument for an unknown document.
Report CliReport(const Document& doc, const std::string& what);
