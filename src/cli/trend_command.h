#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"
#include "monthly_trend.h"

// --of sales|purchases --by partner|item|total --year YYYY [--start-month M]; usage errors
// for anything else.
TrendQuery ReadTrendQuery(const CliOptions& options);

// tenpo-cli trend FILE --of … --by … --year YYYY [--start-month M] [--format json|csv]
//                      [--password-stdin]
void TrendCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out);
