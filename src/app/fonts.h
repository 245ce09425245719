#pragma once

#include <QString>

// The Japanese faces the windows and the printed pages are written for.
inline QString GothicFace() {
  return QStringLiteral("ＭＳ ゴシック");
}
inline QString PGothicFace() {
  return QStringLiteral("ＭＳ Ｐゴシック");
}

// The IPA faces have the same metrics as the two faces above and stand in for them, so the
// code keeps using the original names. Call once after the QApplication exists; it also
// gives the application the proportional face that every window uses.
void RegisterFontSubstitutions();
