#pragma once

#include "document.h"

// The large document the benchmarks share: 2,000 products, 500 customers, 100
// suppliers, 100,000 slips of 5 lines and 20,000 receipts, always the same.
Document TenYearDocument();
