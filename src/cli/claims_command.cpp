#include "claims_command.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <stdexcept>

#include "billing.h"
#include "cli_open.h"
#include "computed_list_csv.h"
#include "dates.h"
#include "iso_text.h"
#include "rate_taxes_json.h"
#include "sjis_codec.h"

namespace {

using Json = nlohmann::ordered_json;

bool AllDigits(const std::string& s) {
  return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

Month ParseMonth(const CliOptions& options) {
  const std::string& text = RequiredOption(options, "--month");
  const std::optional<double> first = MonthFromIso(text);
  if (!first) throw std::invalid_argument("--month must be YYYY-MM");
  return {text, *first};
}

int ParseKind(const CliOptions& options) {
  const std::string& kind = RequiredOption(options, "--kind");
  if (kind == "customers") return kCustomerKind;
  if (kind == "suppliers") return 0;
  throw std::invalid_argument("--kind must be customers or suppliers");
}

int32_t ParseCustomerId(const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  const std::string digits = negative ? text.substr(1) : text;
  if (!AllDigits(digits) || digits.size() > 10) {
    throw std::invalid_argument("--customer must be a partner id");
  }
  const long long id = std::stoll(text);
  if (id < INT32_MIN || id > INT32_MAX)
    throw std::invalid_argument("--customer must be a partner id");
  return static_cast<int32_t>(id);
}

namespace {

std::string PartnerName(const std::string& sjis, int32_t id) {
  return CheckedUtf8(sjis, "partner " + std::to_string(id) + " name");
}

std::string Text(Money v) {
  return MoneyToText(v);
}

Json Sums(const CumulativeSums& sums) {
  return {{"previous", Text(sums.previous)}, {"current", Text(sums.current)}};
}

std::string ClaimsJson(const std::vector<ClaimListRow>& rows, const std::string& kind,
                       const Month& month) {
  Json list = Json::array();
  for (const ClaimListRow& r : rows) {
    list.push_back({{"id", r.id},
                    {"name", PartnerName(r.name, r.id)},
                    {"amount", Text(r.amount)},
                    {"closingDay", r.closingDayText.toStdString()},
                    {"due", r.dueText.toStdString()},
                    {"closingDate", IsoDate(r.closingDate)},
                    {"previousClosingDate", IsoDate(r.previousClosingDate)},
                    {"sales", Sums(r.sales)},
                    {"payments", Sums(r.payments)}});
  }
  const Json j = {{"kind", kind}, {"month", month.text}, {"rows", list}};
  return j.dump(2) + "\n";
}

std::string DetailJson(const ClaimDetail& d, const Month& month, bool perRate) {
  Json rows = Json::array();
  for (size_t index = 0; index < d.rows.size(); ++index) {
    const std::vector<std::string> cells = ClaimDetailCells(d.rows[index], index);
    Json row = Json::object();
    for (size_t i = 0; i < cells.size(); ++i) row[ClaimDetailColumns()[i]] = cells[i];
    rows.push_back(row);
  }
  Json j = {{"customer", {{"id", d.partnerId}, {"name", PartnerName(d.partner.name, d.partnerId)}}},
            {"month", month.text},
            {"closingDate", IsoDate(d.closingDate)},
            {"previousClosingDate", IsoDate(d.previousClosingDate)},
            {"previousBalance", Text(d.previousBalance)},
            {"received", Text(d.received)},
            {"carriedOver", Text(d.carriedOver)},
            {"sales", Text(d.sales)},
            {"tax", Text(d.tax)},
            {"salesWithTax", Text(d.salesWithTax)},
            {"claimed", Text(d.claimed)},
            {"rows", rows}};
  if (perRate) j["taxes"] = RateTaxesJson(d.rates);
  return j.dump(2) + "\n";
}

// Runs a computation, turning an overflow into a refusal before anything is written.
template <typename F>
std::string Computed(const std::string& file, F compute) {
  try {
    return compute();
  } catch (const MoneyOverflow&) {
    throw Refusal(file + ": an amount is out of range");
  }
}

}  // namespace

void ClaimsCommand(const std::vector<std::string>& files, const CliOptions& options,
                   bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("claims takes one FILE");
  OnlyOptions(options, {"--kind", "--month", "--format", "--bom", "--crlf", "--as-shown"});
  const int kind = ParseKind(options);
  const Month month = ParseMonth(options);
  const bool asShown = AsShown(options);
  const bool csv = WantsCsv(options);
  const CsvStyle style = CsvStyleOf(options);
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  out << Computed(files[0], [&] {
    if (asShown) return ClaimsShownCsv(doc, kind, month.date);
    if (csv) return ClaimsCsv(doc, kind, month.date, style);
    return ClaimsJson(ComputeClaimList(doc, kind, month.date), options.at("--kind"), month);
  });
}

void ClaimDetailCommand(const std::vector<std::string>& files, const CliOptions& options,
                        bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("claim-detail takes one FILE");
  OnlyOptions(options, {"--customer", "--month", "--format", "--bom", "--crlf", "--as-shown"});
  const int32_t id = ParseCustomerId(RequiredOption(options, "--customer"));
  const Month month = ParseMonth(options);
  const bool asShown = AsShown(options);
  const bool csv = WantsCsv(options);
  const CsvStyle style = CsvStyleOf(options);
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  if (!doc.customers.Exists(id)) throw Refusal("no customer has the id " + std::to_string(id));
  out << Computed(files[0], [&] {
    if (asShown) return ClaimDetailShownCsv(doc, kCustomerKind, id, month.date);
    if (csv) return ClaimDetailCsv(doc, kCustomerKind, id, month.date, style);
    return DetailJson(ComputeClaimDetail(doc, kCustomerKind, id, month.date), month,
                      doc.invoice.enabled);
  });
}
