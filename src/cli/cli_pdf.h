#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "document.h"
#include "report.h"

// A document that cannot be made from the data file (no such slip).
class CliReportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The document `what` ("items", "suppliers", "customers", "delivery-note" of the slip
// with id `slip`) of the data file, with the options its window starts with. Throws
// std::invalid_argument for an unknown document or a slip given or missing wrongly.
Report CliReport(const Document& doc, const std::string& what, std::optional<int32_t> slip);
