#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"

// tenpo-cli sales FILE --by item|customer|date --from … --to … [--hide-zero] [--format …]
void SalesCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out);
// tenpo-cli returns FILE --kind purchase|shipment --from … --to … [--subtotals] [--format …]
void ReturnsCommand(const std::vector<std::string>& files, const CliOptions& options,
                    bool passwordStdin, std::istream& in, std::ostream& out);
