#pragma once

#include <functional>

// A window that needs the document on disk first (the archive of issued documents lives
// beside it) asks the main window, which owns saving, through this.
void SetSaveRequestHandler(std::function<bool()> save);
// Saves the document as the main window's 上書き保存 does, asking for a name when it has
// none; false when nothing was saved.
bool RequestSave();
