#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The installed printers as the printer-choice window sees them; tests put in their own.
struct PrinterCatalog {
  std::function<QStringList()> names;
  std::function<QString()> defaultName;
  // Whether the printer can take A4 paper.
  std::function<bool(const QString& name)> takesA4;
};

// The platform's printers.
PrinterCatalog InstalledPrinters();
