#include "shell_open.h"

#include <QDesktopServices>

namespace {

ShellHandler& Handler() {
  static ShellHandler handler;
  return handler;
}

}  // namespace

bool OpenInShell(const QUrl& url) {
  return Handler() ? Handler()(url) : QDesktopServices::openUrl(url);
}

ShellHandler SetShellHandler(ShellHandler handler) {
  std::swap(Handler(), handler);
  return handler;
}
