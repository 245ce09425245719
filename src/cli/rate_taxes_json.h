#pragma once

#include <vector>

#include "json_in.h"
#include "slip_taxes.h"

// [{"rate", "base", "tax"}, ...] of a slip or a claim taxed per rate.
Json RateTaxesJson(const std::vector<RateTax>& rates);
