#include "page_fonts.h"

#include <QFontMetricsF>
#include <QRawFont>

#include <cmath>

namespace {

// Cell height per em of the face, measured once from the font file itself.
double CellPerEm(Face face) {
  static const double gothic = [] {
    QFont f(FaceFamily(Face::Gothic));
    f.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(f);
    return (raw.ascent() + raw.descent()) / 1000.0;
  }();
  static const double pgothic = [] {
    QFont f(FaceFamily(Face::PGothic));
    f.setPixelSize(1000);
    const QRawFont raw = QRawFont::fromFont(f);
    return (raw.ascent() + raw.descent()) / 1000.0;
  }();
  const double ratio = face == Face::Gothic ? gothic : pgothic;
  return ratio > 0 ? ratio : 1.0;
}

}  // namespace

QString FaceFamily(Face face) {
  return face == Face::Gothic ? QStringLiteral("IPAGothic") : QStringLiteral("IPAPGothic");
}

QFont PageFont(Face face, int cellPx) {
  QFont font(FaceFamily(face));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellPx / CellPerEm(face)))));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setKerning(false);
  font.setStyleStrategy(QFont::PreferOutline);
  return font;
}

double TextWidth(Face face, int cellPx, const QString& text) {
  return QFontMetricsF(PageFont(face, cellPx)).horizontalAdvance(text);
}
