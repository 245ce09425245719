#include "printer_catalog.h"

#include <QPageSize>
#include <QPrinterInfo>

PrinterCatalog InstalledPrinters() {
  PrinterCatalog c;
  c.names = [] { return QPrinterInfo::availablePrinterNames(); };
  c.defaultName = [] { return QPrinterInfo::defaultPrinterName(); };
  c.takesA4 = [](const QString& name) {
    const QList<QPageSize> sizes = QPrinterInfo::printerInfo(name).supportedPageSizes();
    // A driver that lists no sizes is given the benefit of the doubt.
    if (sizes.isEmpty()) return true;
    for (const QPageSize& s : sizes) {
      if (s.id() == QPageSize::A4) return true;
    }
    return false;
  };
  return c;
}
