#pragma once

#include <string_view>

#include "document.h"
#include "json_in.h"

// Builds a document from its JSON form. Every key must be present with its type and every
// text must be CP932; what the data file itself holds as it stands is taken as it stands,
// so ids that repeat or references to records that no longer exist (a receipt of a deleted
// customer) are imported like any other value: whatever file opens, its export imports.
// The password itself is not in the JSON; `usePassword` is set from "password" and the
// caller supplies the password. Throws ImportError naming the place.
Document JsonToDocument(const Json& json);

// The JSON text of an import, parsed. Nesting deeper than the data ever needs is refused
// before the parser sees it: the parser recurses, and thousands of levels overflow the
// stack. Throws ImportError for that and for text that is no JSON.
Json ParseImportJson(std::string_view text);
