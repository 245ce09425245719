#pragma once

#include <optional>
#include <string>

#include "computed_list_csv.h"
#include "document.h"
#include "json_in.h"
#include "slip_list_output.h"
#include "slip_values.h"

// The computed lists of tenpo-cli: the rows and totals the windows show after 更新, as
// JSON ({..., "rows": [...], "totals": {...}}) with Money as Money text and dates as
// YYYY-MM-DD.

Json SalesJson(const Document& doc, SalesBy by, SlipPeriod period, bool hideZero);
// partnerKind 0 purchase returns, 1 shipment returns.
Json ReturnsJson(const Document& doc, int partnerKind, SlipPeriod period, bool subtotals);
