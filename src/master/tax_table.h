#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "tax_list.h"

// The rows of the tax-rate window: an empty first column, the rate with "%", the start
// date and the end date or "-" for the open-ended newest rate.
std::vector<QStringList> TaxRows(const TaxList& taxes);

// The earliest start a new rate may have: the day after the newest rate starts. Nothing
// for an empty list.
std::optional<double> EarliestNewStart(const TaxList& taxes);

// What applies on `day`, under the table: "本日（2026/12/09）の税率：10%", or that no
// rate of the list covers the day.
QString RateOfTheDayText(const TaxList& taxes, double day, const QString& term);
