#pragma once

#include <QString>

#include "data_file.h"

// The program's name: window title of the main window and of every message box.
inline QString AppTitle() {
  return QString::fromUtf8(kAppTitle);
}
