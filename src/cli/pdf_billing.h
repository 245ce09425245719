#pragma once

#include "cli_options.h"
#include "document.h"
#include "report.h"

// tenpo-cli pdf invoice FILE --customer ID --month YYYY-MM: the claim-detail window's
// invoice with its first options. Throws Refusal for an unknown customer.
Report InvoicePdf(const Document& doc, const CliOptions& options);
// tenpo-cli pdf claims FILE --kind customers|suppliers --month YYYY-MM: the confirmation
// list of the claim list.
Report ClaimsPdf(const Document& doc, const CliOptions& options);
// tenpo-cli pdf receipt --to NAME --amount N --date YYYY-MM-DD [...]: the company block
// from `doc` when a file is given. Text that CP932 cannot hold is refused.
Report ReceiptPdf(const Document* doc, const CliOptions& options);
