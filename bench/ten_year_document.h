#pragma once

#include "document.h"

// The large document the benchmarks share: 2,000 products, 500 customers, 100
// suppliers, 100,000 slips of 5 lines (a tenth of them shipment returns) and 20,000
// receipts, the dates spread over `days` days from 2021-01-01; always the same.
Document TenYearDocument(int days = 1800);
