#pragma once

#include <QString>
#include <iosfwd>
#include <stdexcept>
#include <string>

#include "document.h"

// A refusal: tenpo-cli exits 1 with this one line on standard error.
class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Messages of the program may span lines; the tool says everything on one.
std::string OneLine(const QString& message);
// The password as one line of `in`, in CP932; refuses an empty or unconvertible one.
std::string ReadPassword(std::istream& in);
// Opens a data file as the program would, the password (one try) from `in` when
// `passwordStdin`; refuses with the program's message otherwise.
Document OpenForExport(const std::string& file, bool passwordStdin, std::istream& in);
