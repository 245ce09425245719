#pragma once

#include <QString>

// For the change handlers of amount fields: a text that is an amount, or a sign or point
// on its way to one ("-", "+", ".", "-.", "+."), stays as typed, so "-5000" can be typed
// key by key; any other text becomes "0".
QString AmountWhileTyping(const QString& text);
