#pragma once

#include <cstdint>
#include <functional>
#include <utility>

// Counts the changes of one document and tells one listener about each. The count only
// grows, so "unsaved" is simply a count other than the one at the last open or save.
// A copy of a document is a document of its own: it starts counting afresh and has no
// listener. Assigning a whole document is itself a change of the target, whose listener
// stays.
class ChangeCounter {
 public:
  ChangeCounter() = default;
  ChangeCounter(const ChangeCounter& /*other*/) {}
  ChangeCounter& operator=(const ChangeCounter& /*other*/) {
    Bump();
    return *this;
  }
  ~ChangeCounter() = default;

  uint64_t Value() const { return value_; }
  void Bump() {
    ++value_;
    if (listener_) listener_();
  }
  void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

 private:
  uint64_t value_ = 0;
  std::function<void()> listener_;
};
