#pragma once

#include <QDateTime>
#include <QString>

#include "ss_edit_option.h"

// The text handling of the amount edit, apart from the widget.

// The outcome of the checks on leaving: the text to show, or why it is refused.
struct SsExitResult {
  QString text;     // the formatted text when accepted
  QString refusal;  // the message when refused, else empty

  bool Accepted() const { return refusal.isEmpty(); }
};

// Strips the separators of the style so that the bare value can be edited.
QString CleanSsText(const QString& text, TSsEditStyle style);

// Formats a non-empty text by the style; `now` completes short dates and times in imEasy.
SsExitResult FormatSsText(const QString& text, const TSsEditOption& option, const QDateTime& now);

// The checks on leaving, in order: the length limit, the format of the style, the empty
// check. The first refusal wins.
SsExitResult CheckSsTextOnExit(const QString& text, const TSsEditOption& option,
                               const QDateTime& now);
