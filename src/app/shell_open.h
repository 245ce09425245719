#pragma once

#include <QUrl>
#include <functional>

// Opens a web address or a folder with the desktop's default program; false when there is
// none to open it. Tests install a handler of their own so that nothing is launched.
bool OpenInShell(const QUrl& url);
using ShellHandler = std::function<bool(const QUrl&)>;
// Installs the handler and returns the one it replaces; an empty handler restores the
// desktop's.
ShellHandler SetShellHandler(ShellHandler handler);
