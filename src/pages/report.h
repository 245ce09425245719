#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "device_metrics.h"
#include "issued_document.h"
#include "page.h"

// A document ready to be drawn for whatever device is chosen: its pages are drawn anew
// for each device, so a printer change takes effect at once.
struct Report {
  QString jobSuffix;       // after the application title in the print job's name
  QStringList nameParts;   // what a saved file is named after, in order
  IssuedDocument issued;   // what is kept of it when it is issued
  bool landscape = false;  // A4 landscape; every other document is portrait
  int pageCount = 0;
  // Page `page` (1-based) of pageCount.
  std::function<Page(const DeviceMetrics& metrics, int page)> draw;
};

// Told after each page drawn, with the pages done and the page count; false stops the work.
using PageProgress = std::function<bool(int done, int count)>;
// The work was stopped through its PageProgress: nothing is kept or sent.
struct ReportCancelled {};

// Throws ReportCancelled when `progress` says stop.
std::vector<Page> DrawReport(const Report& report, const DeviceMetrics& metrics,
                             const PageProgress& progress = {});

// ceiling(rows / rowsPerPage); no rows give no pages.
int PageCountOf(int rows, int rowsPerPage);

// Index range [first, end) of the rows on page `page` (1-based).
struct RowRange {
  int first = 0;
  int end = 0;
};
RowRange RowsOnPage(int rows, int rowsPerPage, int page);
