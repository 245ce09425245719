#pragma once

#include <stdexcept>

#include "document.h"
#include "json_in.h"

// A document value the JSON form cannot carry exactly (a date with a time of day, bytes
// that are not CP932); the text names the place.
class ExportError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The document as JSON; importing it gives back a document that saves to the same bytes.
Json DocumentToJson(const Document& doc);
