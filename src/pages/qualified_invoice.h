#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "shown_lists.h"
#include "slip_taxes.h"

struct Document;

// What the documents add in the qualified-invoice format: the seller's registration, the
// mark of reduced-rate lines with its legend, and the per-rate summary.

inline const QString kReducedLegend = QStringLiteral("※は軽減税率対象商品");

// "登録番号 T…" when the format is on and a number is set; empty otherwise, and then
// nothing is printed.
QString RegistrationLine(const Document& doc);

// "（うち内消費税 \267）" for tax contained in tax-included amounts; empty for none.
QString InnerTaxLine(Money innerTax);

// The per-rate table: its headings, then one row per rate in the given order
// ("10%", "\1,000", "\100"); the base is the amount without tax.
const QStringList& RateTableHeadings();
std::vector<QStringList> RateTableRows(const std::vector<RateTax>& rates);

// What a window shows of the printed tax notes, one line each: the contained tax (when
// set), every row of the per-rate table with its headings, the legend (when marked).
QStringList TaxNoteLines(const QString& innerTax, const std::vector<QStringList>& rateRows,
                         bool marked);
