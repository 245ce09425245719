#include "fonts.h"

#include <QApplication>
#include <QFontInfo>

#include <gtest/gtest.h>

#include "qt_printers.h"

namespace {

// Without the substitution the faces would fall back to some other font, which draws 0x5C
// as a backslash and has other metrics.
TEST(Fonts, WindowsFacesResolveToTheIpaFaces) {
  RegisterFontSubstitutions();
  EXPECT_EQ(QFontInfo(QFont(GothicFace())).family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(QFontInfo(QFont(PGothicFace())).family(), QStringLiteral("IPAPGothic"));
  EXPECT_EQ(QApplication::font().family(), PGothicFace());
  EXPECT_EQ(QFontInfo(QApplication::font()).family(), QStringLiteral("IPAPGothic"));
}

}  // namespace
