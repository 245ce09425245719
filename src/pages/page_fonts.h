#pragma once

#include <QFont>
#include <QString>

// The two faces of the printed pages: fixed pitch for figures, dates, codes and headings,
// proportional for names, addresses and free text.
enum class Face { Gothic, PGothic };

// The installed faces that stand in for them with the same metrics. Pages always name
// these directly: a fallback face would print the yen sign 0x5C as a backslash.
QString FaceFamily(Face face);

// The font whose cell (ascent + descent) is `cellPx` device pixels, with design metrics
// (no hinting, no kerning) so that a width measured here is the width on paper.
QFont PageFont(Face face, int cellPx);

// The advance width of the text in the font PageFont(face, cellPx), in device pixels.
double TextWidth(Face face, int cellPx, const QString& text);
