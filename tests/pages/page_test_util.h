#pragma once

#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>
#include <vector>

#include "device_metrics.h"
#include "golden_file.h"
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

// Every text keeps at least 1 mm (less a pixel of rounding) from every vertical rule it
// stands beside, so that no figure reads as one number with its neighbour.
inline void ExpectTextsClearOfRules(const std::vector<Page>& pages, double dotsPerMm) {
  const int gap = static_cast<int>(dotsPerMm) - 1;
  for (size_t p = 0; p < pages.size(); ++p) {
    std::vector<LineOp> rules;
    for (const PageOp& op : pages[p].ops) {
      if (const auto* l = std::get_if<LineOp>(&op); l != nullptr && l->x1 == l->x2) {
        rules.push_back(*l);
      } else if (const auto* r = std::get_if<RectOp>(&op); r != nullptr && !r->filled) {
        const QRect& b = r->rect;
        rules.push_back({b.left(), b.top(), b.left(), b.bottom(), r->pen});
        rules.push_back({b.right() + 1, b.top(), b.right() + 1, b.bottom(), r->pen});
      }
    }
    for (const TextOp& t : TextsOf(pages[p])) {
      const int left = t.x;
      const int right = t.x + static_cast<int>(DrawnWidth(t));
      for (const LineOp& l : rules) {
        const bool beside = std::min(l.y1, l.y2) < t.y + t.cell && std::max(l.y1, l.y2) > t.y;
        if (!beside || l.x1 <= left - gap || l.x1 >= right + gap) continue;
        ADD_FAILURE() << "page " << p + 1 << ": \"" << t.text.toStdString() << "\" at x " << left
                      << "-" << right << " is within 1 mm of the rule at x " << l.x1;
      }
    }
  }
}

// The pages against their golden file, and clear of their rules.
inline void ExpectGoldenPages(const QString& name, const std::vector<Page>& pages) {
  ExpectTextsClearOfRules(pages, 600 / 25.4);
  ExpectGolden(name, DescribePages(pages));
}
