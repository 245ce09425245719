#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// tenpo-cli: export a data file as JSON, import JSON into a data file, list slips. Returns the exit
// status: 0 on success, 1 on any refusal (one line on `err`), 2 on a usage error.
int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err);
