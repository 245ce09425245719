#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"

struct Month {
  std::string text;  // as given, "2024-04"
  double date = 0;   // its first day
};
// --month YYYY-MM, --kind customers|suppliers and --customer ID; std::invalid_argument
// when wrong.
Month ParseMonth(const CliOptions& options);
int ParseKind(const CliOptions& options);
int32_t ParseCustomerId(const std::string& text);

// tenpo-cli claims FILE --kind customers|suppliers --month YYYY-MM [--format json|csv]
void ClaimsCommand(const std::vector<std::string>& files, const CliOptions& options,
                   bool passwordStdin, std::istream& in, std::ostream& out);
// tenpo-cli claim-detail FILE --customer ID --month YYYY-MM [--format json|csv]
void ClaimDetailCommand(const std::vector<std::string>& files, const CliOptions& options,
                        bool passwordStdin, std::istream& in, std::ostream& out);
