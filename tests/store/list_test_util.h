#pragma once

#include <string>

#include "byte_stream.h"
#include "field_io.h"

// Saves a list and loads it into another, as the data file does.
template <typename List>
bool RoundTrip(const List& from, List& to, const std::string& password = "") {
  const FieldKey key(password);
  ByteWriter w;
  from.SaveToStream(w, key);
  ByteReader r(w.Data());
  return to.LoadFromStream(r, key) && r.AtEnd();
}

template <typename List>
std::string Saved(const List& list, const std::string& password = "") {
  ByteWriter w;
  list.SaveToStream(w, FieldKey(password));
  return w.Take();
}
