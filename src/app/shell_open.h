#pragma once

#include <QUrl>
#include <functional>

// Opens a web address or a folder with the desktop's default program. Tests install a
// handler of their own so that nothing is launched.
void OpenInShell(const QUrl& url);
// Installs the handler and returns the one it replaces; an empty handler restores the
// desktop's.
std::function<void(const QUrl&)> SetShellHandler(std::function<void(const QUrl&)> handler);
