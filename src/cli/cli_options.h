#pragma once

#include <map>
#include <string>

#include "csv_writer.h"

// --name value options of a command ("--kind" -> "customers").
using CliOptions = std::map<std::string, std::string>;

// The value of a required option; a missing one is a usage error.
const std::string& RequiredOption(const CliOptions& options, const std::string& name);
// "json" (the default) or "csv"; anything else is a usage error.
bool WantsCsv(const CliOptions& options);
// --bom and --crlf; either without --format csv is a usage error.
CsvStyle CsvStyleOf(const CliOptions& options);
// --as-shown: the list's CSV exactly as its window saves it; it has its own format, so
// --format, --bom and --crlf with it are a usage error.
bool AsShown(const CliOptions& options);
// Usage error unless every option given is one of `allowed`.
void OnlyOptions(const CliOptions& options, std::initializer_list<const char*> allowed);
