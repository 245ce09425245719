#pragma once

#include <optional>
#include <string>

#include "csv_writer.h"
#include "document.h"
#include "json_in.h"
#include "slip_list_output.h"
#include "slip_values.h"

// The computed lists of tenpo-cli: the rows and totals the windows show after 更新, as
// JSON ({..., "rows": [...], "totals": {...}}) with Money as Money text and dates as
// YYYY-MM-DD.

enum class SalesBy { Item, Customer, Date };

Json SalesJson(const Document& doc, SalesBy by, SlipPeriod period, bool hideZero);
// partnerKind 0 purchase returns, 1 shipment returns.
Json ReturnsJson(const Document& doc, int partnerKind, SlipPeriod period, bool subtotals);

// The rows of such a list as CSV: a header of the keys its rows can have, then one line
// per row; a key a row lacks is an empty cell.
std::string RowsCsv(const Json& list, const CsvStyle& style = {});

// A YYYY-MM-DD text read back (nothing when the text is no such day); IsoDate writes it.
std::optional<double> DateFromIso(const std::string& text);
