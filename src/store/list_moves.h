#pragma once

#include <utility>
#include <vector>

// Moving an entry one place, shared by every list the user reorders.

template <typename T>
bool MoveUpIn(std::vector<T>& v, int index) {
  if (index < 1 || index >= static_cast<int>(v.size())) return false;
  std::swap(v[static_cast<size_t>(index - 1)], v[static_cast<size_t>(index)]);
  return true;
}

template <typename T>
bool MoveDownIn(std::vector<T>& v, int index) {
  if (index < 0 || index > static_cast<int>(v.size()) - 2) return false;
  std::swap(v[static_cast<size_t>(index)], v[static_cast<size_t>(index + 1)]);
  return true;
}
