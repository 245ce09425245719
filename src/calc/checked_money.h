#pragma once

#include "money.h"

// Sums over many slips can leave the range of Money; these raise MoneyOverflow then, as
// a product does, so a window shows its message instead of wrong figures.
Money CheckedAdd(Money a, Money b);
Money CheckedSub(Money a, Money b);

// The value as FormatAmount shows it (to 1/100, halves away from zero), read back: a
// total of displayed figures carries their rounding.
Money ShownValue(Money v);
