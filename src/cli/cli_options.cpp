#include "cli_options.h"

#include <algorithm>
#include <stdexcept>

const std::string& RequiredOption(const CliOptions& options, const std::string& name) {
  const auto it = options.find(name);
  if (it == options.end()) throw std::invalid_argument(name + " is required");
  return it->second;
}

bool WantsCsv(const CliOptions& options) {
  const auto it = options.find("--format");
  if (it == options.end() || it->second == "json") return false;
  if (it->second == "csv") return true;
  throw std::invalid_argument("--format must be json or csv");
}

CsvStyle CsvStyleOf(const CliOptions& options) {
  const CsvStyle style = {.bom = options.contains("--bom"), .crlf = options.contains("--crlf")};
  if ((style.bom || style.crlf) && !WantsCsv(options))
    throw std::invalid_argument("--bom and --crlf go with --format csv");
  return style;
}

bool AsShown(const CliOptions& options) {
  if (!options.contains("--as-shown")) return false;
  for (const char* other : {"--format", "--bom", "--crlf"}) {
    if (options.contains(other))
      throw std::invalid_argument(std::string("--as-shown takes no ") + other);
  }
  return true;
}

void OnlyOptions(const CliOptions& options, std::initializer_list<const char*> allowed) {
  for (const auto& option : options) {
    // A lambda cannot capture a structured binding under clang 14, which builds the fuzzers.
    const std::string& name = option.first;
    if (std::none_of(allowed.begin(), allowed.end(), [&](const char* a) { return name == a; })) {
      throw std::invalid_argument("unknown option " + name);
    }
  }
}
