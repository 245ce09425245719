#include "pdf_output.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "atomic_file.h"

namespace {

constexpr int kPdfDpi = 600;

}  // namespace

DeviceMetrics PdfMetrics(bool landscape) {
  return A4SheetMetrics(kPdfDpi, landscape);
}

QByteArray RenderPdf(const Report& report, const QString& title, const PageProgress& progress) {
  if (report.pageCount <= 0) throw PrintError("the document has no pages");
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfDpi);
    writer.setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF()));
    writer.setTitle(title);
    writer.setCreator(title);
    QPainter painter;
    if (!painter.begin(&writer)) throw PrintError("the PDF could not be started");
    const DeviceMetrics metrics = PdfMetrics(report.landscape);
    for (int i = 1; i <= report.pageCount; ++i) {
      if (i > 1 && !writer.newPage()) throw PrintError("no new page in the PDF");
      PlayPage(report.draw(metrics, i), painter);
      if (progress && !progress(i, report.pageCount)) throw ReportCancelled();
    }
    if (!painter.end()) throw PrintError("the PDF could not be finished");
  }
  return bytes;
}

void WritePdf(const QString& path, const Report& report, const QString& title,
              const PageProgress& progress) {
  const QByteArray bytes = RenderPdf(report, title, progress);
  WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}
