#pragma once

#include <string>
#include <vector>

// One CSV record ending in a newline; cells with a comma, a quote or a line break are
// quoted, their quotes doubled.
std::string CsvLine(const std::vector<std::string>& cells);
