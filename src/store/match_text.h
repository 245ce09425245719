#pragma once

#include <QString>

// The form of a text that finding compares: full-width letters and digits as half-width,
// half-width kana as full-width, hiragana as katakana, letters in one case. So "ぼーる"
// and "ﾎﾞｰﾙ" both find "ボールペン".
QString MatchForm(const QString& text);
// Whether `text` contains `wanted`, both compared in their match forms; `wanted` is
// already in match form.
bool MatchContains(const QString& text, const QString& wanted);
