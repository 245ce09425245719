#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "slip_taxes.h"

struct Document;

// What the documents add in the qualified-invoice format: the seller's registration, the
// mark of reduced-rate lines with its legend, and the per-rate summary.

inline const QString kReducedMark = QStringLiteral("※");
inline const QString kReducedLegend = QStringLiteral("※は軽減税率対象商品");

// "登録番号 T…" when the format is on and a number is set; empty otherwise, and then
// nothing is printed.
QString RegistrationLine(const Document& doc);

// One line per rate in the given order: "10%対象 \1,000 消費税 \100".
QStringList RateSummaryLines(const std::vector<RateTax>& rates);
