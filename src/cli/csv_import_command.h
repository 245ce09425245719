#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"

// tenpo-cli import-csv FILE --into items|suppliers|customers --csv IN.csv [--update]
//                      [--dry-run] [--password-stdin]
// Brings the CSV's rows into FILE when every row is good; --dry-run prints the preview and
// the problems as JSON and changes nothing. The exit status: 0, or 1 when rows are refused.
int ImportCsvCommand(const std::vector<std::string>& files, const CliOptions& options,
                     bool passwordStdin, std::istream& in, std::ostream& out);
