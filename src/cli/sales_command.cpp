#include "sales_command.h"

#include <ostream>
#include <stdexcept>

#include "cli_open.h"
#include "customer_list.h"
#include "iso_text.h"
#include "money.h"

namespace {

SlipPeriod PeriodOf(const CliOptions& options) {
  const std::optional<double> from = DayFromIso(RequiredOption(options, "--from"));
  const std::optional<double> to = DayFromIso(RequiredOption(options, "--to"));
  if (!from) throw std::invalid_argument("--from is not a day YYYY-MM-DD");
  if (!to) throw std::invalid_argument("--to is not a day YYYY-MM-DD");
  return {*from, *to};
}

// Built whole before anything is written, so a refusal prints nothing.
void PrintList(const std::function<Json()>& json, const std::function<std::string(CsvStyle)>& csv,
               const std::function<std::string()>& shown, const CliOptions& options,
               std::ostream& out) {
  const bool asShown = AsShown(options);
  const bool wantsCsv = WantsCsv(options);
  const CsvStyle style = CsvStyleOf(options);
  std::string text;
  WithinRange([&] {
    if (asShown) {
      text = shown();
    } else {
      text = wantsCsv ? csv(style) : json().dump(2) + '\n';
    }
  });
  out << text;
}

}  // namespace

SalesQuery ReadSalesQuery(const CliOptions& options) {
  SalesQuery q;
  const std::string& byText = RequiredOption(options, "--by");
  if (byText == "customer") {
    q.by = SalesBy::Customer;
  } else if (byText == "date") {
    q.by = SalesBy::Date;
  } else if (byText != "item") {
    throw std::invalid_argument("--by is item, customer or date");
  }
  q.period = PeriodOf(options);
  q.hideZero = options.count("--hide-zero") > 0;
  return q;
}

ReturnsQuery ReadReturnsQuery(const CliOptions& options) {
  ReturnsQuery q;
  const std::string& kindText = RequiredOption(options, "--kind");
  if (kindText != "purchase" && kindText != "shipment") {
    throw std::invalid_argument("--kind is purchase or shipment");
  }
  q.partnerKind = kindText == "shipment" ? kCustomerKind : kSupplierKind;
  q.period = PeriodOf(options);
  q.subtotals = options.count("--subtotals") > 0;
  return q;
}

void WithinRange(const std::function<void()>& compute) {
  try {
    compute();
  } catch (const MoneyOverflow&) {
    throw Refusal("the sums leave the range of amounts");
  }
}

void SalesCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("sales takes one FILE");
  OnlyOptions(options, {"--by", "--from", "--to", "--format", "--hide-zero", "--bom", "--crlf",
                        "--as-shown"});
  const SalesQuery q = ReadSalesQuery(options);
  CsvStyleOf(options);  // a wrong format is a usage error before the file is read
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  PrintList([&] { return SalesJson(doc, q.by, q.period, q.hideZero); },
            [&](CsvStyle style) { return SalesCsv(doc, q, style); },
            [&] { return SalesShownCsv(doc, q); }, options, out);
}

void ReturnsCommand(const std::vector<std::string>& files, const CliOptions& options,
                    bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("returns takes one FILE");
  OnlyOptions(options, {"--kind", "--from", "--to", "--format", "--subtotals", "--bom", "--crlf",
                        "--as-shown"});
  const ReturnsQuery q = ReadReturnsQuery(options);
  CsvStyleOf(options);  // a wrong format is a usage error before the file is read
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  PrintList([&] { return ReturnsJson(doc, q.partnerKind, q.period, q.subtotals); },
            [&](CsvStyle style) { return ReturnsCsv(doc, q, style); },
            [&] { return ReturnsShownCsv(doc, q); }, options, out);
}
