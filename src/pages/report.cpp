#include "report.h"

#include <algorithm>

std::vector<Page> DrawReport(const Report& report, const DeviceMetrics& metrics,
                             const PageProgress& progress) {
  std::vector<Page> pages;
  pages.reserve(static_cast<size_t>(std::max(0, report.pageCount)));
  for (int i = 1; i <= report.pageCount; ++i) {
    pages.push_back(report.draw(metrics, i));
    if (progress && !progress(i, report.pageCount)) throw ReportCancelled();
  }
  return pages;
}

int PageCountOf(int rows, int rowsPerPage) {
  return rows <= 0 ? 0 : (rows + rowsPerPage - 1) / rowsPerPage;
}

RowRange RowsOnPage(int rows, int rowsPerPage, int page) {
  const int first = std::min(rows, (page - 1) * rowsPerPage);
  return {first, std::min(rows, first + rowsPerPage)};
}
