#include "save_request.h"

namespace {
std::function<bool()>& Handler() {
  static std::function<bool()> handler;
  return handler;
}
}  // namespace

void SetSaveRequestHandler(std::function<bool()> save) {
  Handler() = std::move(save);
}

bool RequestSave() {
  return Handler() ? Handler()() : false;
}
