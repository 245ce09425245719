#pragma once

#include <QStringList>

#include <vector>

#include "device_metrics.h"
#include "page.h"

// A 600-dpi printer whose left (100 px) and right (60 px) non-printable margins differ.
inline DeviceMetrics FakePrinter600() {
  DeviceMetrics m = A4SheetMetrics(600);
  m.offsetX = 100;
  m.offsetY = 80;
  m.width = m.physicalWidth - 100 - 60;
  m.height = m.physicalHeight - 80 - 90;
  return m;
}

inline std::vector<TextOp> TextsOf(const Page& page) {
  std::vector<TextOp> texts;
  for (const PageOp& op : page.ops) {
    if (const auto* t = std::get_if<TextOp>(&op)) texts.push_back(*t);
  }
  return texts;
}

inline const TextOp* FindText(const Page& page, const QString& text) {
  for (const PageOp& op : page.ops) {
    if (const auto* t = std::get_if<TextOp>(&op); t != nullptr && t->text == text) return t;
  }
  return nullptr;
}

inline QString DescribePages(const std::vector<Page>& pages) {
  QString out;
  for (const Page& p : pages) out += DescribePage(p);
  return out;
}

// Drawn width of a text operation, squeeze included.
inline double DrawnWidth(const TextOp& t) {
  return TextWidth(t.face, t.cell, t.text) * t.xScale;
}
