#pragma once

#include "document.h"
#include "json_in.h"

// Builds a document from its JSON form. Everything is checked before anything is used:
// every key present with its type, texts that CP932 holds, ids unique per list, and every
// reference (partner, product, classification) pointing at a record that exists. The
// password itself is not in the JSON; `usePassword` is set from "password" and the
// caller supplies the password. Throws ImportError naming the place.
Document JsonToDocument(const Json& json);
