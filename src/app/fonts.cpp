#include "fonts.h"

#include <QApplication>
#include <QFont>

void RegisterFontSubstitutions() {
  QFont::insertSubstitution(GothicFace(), QStringLiteral("IPAGothic"));
  QFont::insertSubstitution(PGothicFace(), QStringLiteral("IPAPGothic"));
  QFont font = QApplication::font();
  font.setFamily(PGothicFace());
  QApplication::setFont(font);
}
