#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"
#include "list_output.h"

// --by, --from, --to, --hide-zero and --kind, --from, --to, --subtotals; a missing or
// wrong value is a usage error. Other options are left to the caller.
SalesQuery ReadSalesQuery(const CliOptions& options);
ReturnsQuery ReadReturnsQuery(const CliOptions& options);
// Runs a computation over the document; a sum beyond the range of amounts is a refusal.
void WithinRange(const std::function<void()>& compute);

// tenpo-cli sales FILE --by item|customer|date --from … --to … [--hide-zero] [--format …]
void SalesCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out);
// tenpo-cli returns FILE --kind purchase|shipment --from … --to … [--subtotals] [--format …]
void ReturnsCommand(const std::vector<std::string>& files, const CliOptions& options,
                    bool passwordStdin, std::istream& in, std::ostream& out);
