#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli_options.h"

// tenpo-cli archive search FILE [--from D --to D] [--min N --max N] [--partner TEXT]
//                               [--kind delivery-note|invoice|receipt] [--format json|csv]
// tenpo-cli archive verify FILE
// The kept copies beside the data file FILE; the data file itself is not opened.
void ArchiveCommand(const std::vector<std::string>& files, const CliOptions& options,
                    std::ostream& out);
