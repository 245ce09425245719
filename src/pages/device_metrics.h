#pragma once

class QPageLayout;

// What a layout needs to know of the device it draws for, in device pixels: the
// resolution, where the printable area starts on the sheet, its size and the sheet width.
struct DeviceMetrics {
  int dpiX = 600;
  int dpiY = 600;
  int offsetX = 0;  // printable area's left edge on the sheet
  int offsetY = 0;
  int width = 0;  // printable area
  int height = 0;
  int physicalWidth = 0;
  int physicalHeight = 0;
};

// An A4 portrait sheet printable to its edges, as a PDF page is.
DeviceMetrics A4SheetMetrics(int dpi, bool landscape = false);

// The metrics of a printer or PDF page with the given layout at `resolution` dpi.
DeviceMetrics MetricsOf(const QPageLayout& layout, int resolution);
