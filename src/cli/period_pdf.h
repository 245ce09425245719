#pragma once

#include <optional>
#include <string>
#include <variant>

#include "document.h"
#include "period_list_reports.h"
#include "sales_command.h"

// tenpo-cli pdf sales|returns: the options of the sales and returns commands.
using PeriodPdfQuery = std::variant<SalesQuery, ReturnsQuery>;

// The query of `pdf what`, read before the data file is opened; nothing when `what` is
// another document. Wrong options are usage errors.
std::optional<PeriodPdfQuery> ReadPeriodPdfQuery(const std::string& what,
                                                 const CliOptions& options);

// What the window would print after 更新 with these filters: the same rows, texts and
// totals. Throws Refusal when a sum leaves the range of amounts.
ListReportSnapshot PeriodPdfSnapshot(const Document& doc, const PeriodPdfQuery& query);
