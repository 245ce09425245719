#include "sales_command.h"

#include <functional>
#include <ostream>
#include <stdexcept>

#include "cli_open.h"
#include "customer_list.h"
#include "list_output.h"
#include "money.h"

namespace {

SlipPeriod PeriodOf(const CliOptions& options) {
  const std::optional<double> from = DateFromIso(RequiredOption(options, "--from"));
  const std::optional<double> to = DateFromIso(RequiredOption(options, "--to"));
  if (!from) throw std::invalid_argument("--from is not a day YYYY-MM-DD");
  if (!to) throw std::invalid_argument("--to is not a day YYYY-MM-DD");
  return {*from, *to};
}

// Built whole before anything is written, so a refusal prints nothing.
void PrintList(const std::function<Json()>& compute, const CliOptions& options, std::ostream& out) {
  const bool csv = WantsCsv(options);
  const CsvStyle style = CsvStyleOf(options);
  Json list;
  try {
    list = compute();
  } catch (const MoneyOverflow&) {
    throw Refusal("the sums leave the range of amounts");
  }
  out << (csv ? RowsCsv(list, style) : list.dump(2) + '\n');
}

}  // namespace

void SalesCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("sales takes one FILE");
  OnlyOptions(options, {"--by", "--from", "--to", "--format", "--hide-zero", "--bom", "--crlf"});
  const std::string& byText = RequiredOption(options, "--by");
  SalesBy by = SalesBy::Item;
  if (byText == "customer") {
    by = SalesBy::Customer;
  } else if (byText == "date") {
    by = SalesBy::Date;
  } else if (byText != "item") {
    throw std::invalid_argument("--by is item, customer or date");
  }
  const SlipPeriod period = PeriodOf(options);
  CsvStyleOf(options);  // a wrong format is a usage error before the file is read
  const bool hideZero = options.count("--hide-zero") > 0;
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  PrintList([&] { return SalesJson(doc, by, period, hideZero); }, options, out);
}

void ReturnsCommand(const std::vector<std::string>& files, const CliOptions& options,
                    bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("returns takes one FILE");
  OnlyOptions(options, {"--kind", "--from", "--to", "--format", "--subtotals", "--bom", "--crlf"});
  const std::string& kindText = RequiredOption(options, "--kind");
  if (kindText != "purchase" && kindText != "shipment") {
    throw std::invalid_argument("--kind is purchase or shipment");
  }
  const int kind = kindText == "shipment" ? kCustomerKind : kSupplierKind;
  const SlipPeriod period = PeriodOf(options);
  CsvStyleOf(options);  // a wrong format is a usage error before the file is read
  const bool subtotals = options.count("--subtotals") > 0;
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  PrintList([&] { return ReturnsJson(doc, kind, period, subtotals); }, options, out);
}
