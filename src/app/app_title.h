#pragma once

#include <QString>

// The program's name: window title of the main window and of every message box.
inline QString AppTitle() {
  return QStringLiteral("てんぽ帳 販売管理");
}
