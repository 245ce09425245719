#pragma once

#include <QString>

#include <optional>

#include "money.h"

// The amount fields of the entry windows work on the text the user sees; these read it
// with the store's amount rules. An amount is plain ASCII, so any other character makes
// the text no amount.

// The amount ParseAmount reads from the text, or nothing when it is no amount.
std::optional<Money> AmountOf(const QString& text);
bool IsAmountText(const QString& text);
// The text with every "(", ")" and "," removed, for editing the plain number.
QString CleanedAmountText(const QString& text);
// The amount as the windows show it: "#,##0.##".
QString FormattedAmount(Money v);
// The amount cut to the decimals and shown as "#,##0.##", for leaving a field; a text that
// is still no amount then becomes "0".
QString ReformattedAmountText(const QString& text, int decimals);
