#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

#include "device_metrics.h"
#include "report.h"

// A document that could not be drawn: no painter on the device, or no next page.
class PrintError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The PDF device: A4 portrait at 600 dpi, printable to the edges.
DeviceMetrics PdfMetrics(bool landscape = false);

// The report as a whole PDF in memory, its text real text. Throws PrintError, or
// ReportCancelled when `progress` says stop.
QByteArray RenderPdf(const Report& report, const QString& title, const PageProgress& progress = {});

// Writes the PDF in full to memory first, then over `path` atomically, so a failure or a
// cancel never leaves a cut-off file. Throws PrintError, FileError or ReportCancelled.
void WritePdf(const QString& path, const Report& report, const QString& title,
              const PageProgress& progress = {});
