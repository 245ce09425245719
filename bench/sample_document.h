#pragma once

#include "document.h"

// A large business: 2,000 products, 500 customers, 100 suppliers, 100,000 slips of five
// lines (a tenth of them shipment returns) and 20,000 receipts, the dates spread over
// `days` days from 2021-01-01. The same document every time.
Document GenerateDocument(int days);
