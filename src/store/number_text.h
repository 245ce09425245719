#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the data file writes them. Parsing throws ConvertError (money.h).

std::string IntToText(int64_t v);
// Decimal integer within the int32 range, blanks around allowed.
int32_t TextToInt(std::string_view text);

// General decimal form: at most 15 significant digits, fixed notation for magnitudes
// from 0.00001 up to below 1e15, otherwise "1.5E-6" (no "+", no leading exponent zeros).
std::string RealToText(double v);
double TextToReal(std::string_view text);

// Boolean fields: "-1" for true, "0" for false; any non-zero integer reads as true.
std::string BoolToText(bool v);
bool TextToBool(std::string_view text);
