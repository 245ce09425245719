#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"

// tenpo-cli claims FILE --kind customers|suppliers --month YYYY-MM [--format json|csv]
void ClaimsCommand(const std::vector<std::string>& files, const CliOptions& options,
                   bool passwordStdin, std::istream& in, std::ostream& out);
// tenpo-cli claim-detail FILE --customer ID --month YYYY-MM [--format json|csv]
void ClaimDetailCommand(const std::vector<std::string>& files, const CliOptions& options,
                        bool passwordStdin, std::istream& in, std::ostream& out);
