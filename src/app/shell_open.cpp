#include "shell_open.h"

#include <QDesktopServices>

namespace {

std::function<void(const QUrl&)>& Handler() {
  static std::function<void(const QUrl&)> handler;
  return handler;
}

}  // namespace

void OpenInShell(const QUrl& url) {
  if (Handler()) {
    Handler()(url);
  } else {
    QDesktopServices::openUrl(url);
  }
}

std::function<void(const QUrl&)> SetShellHandler(std::function<void(const QUrl&)> handler) {
  std::swap(Handler(), handler);
  return handler;
}
