#include "trend_command.h"

#include <ostream>
#include <stdexcept>

#include <cstdio>

#include "cli_open.h"
#include "computed_list_csv.h"
#include "document.h"
#include "json_in.h"
#include "sales_command.h"

namespace {

int IntOption(const CliOptions& options, const char* name, int low, int high, int otherwise) {
  const auto it = options.find(name);
  if (it == options.end()) return otherwise;
  try {
    size_t used = 0;
    const int value = std::stoi(it->second, &used);
    if (used == it->second.size() && value >= low && value <= high) return value;
  } catch (const std::exception&) {
  }
  throw std::invalid_argument(std::string(name) + " is a number from " + std::to_string(low) +
                              " to " + std::to_string(high));
}

std::string Name(const TrendRow& row, const TrendQuery& q) {
  const char* record = q.by == TrendBy::Item ? "product " : "partner ";
  return CheckedUtf8(row.name, record + std::to_string(row.id) + " name");
}

Json Months(const TrendRow& row) {
  Json months = Json::array();
  for (Money m : row.months) months.push_back(MoneyToText(m));
  return months;
}

Json TrendJson(const MonthlyTrend& t) {
  const TrendQuery& q = t.query;
  Json rows = Json::array();
  for (const TrendRow& row : t.rows) {
    rows.push_back({{"id", row.id},
                    {"name", Name(row, q)},
                    {"months", Months(row)},
                    {"total", MoneyToText(row.total)},
                    {"previous", MoneyToText(row.previous)},
                    {"ratio", row.ratio ? Json(MoneyToText(*row.ratio)) : Json(nullptr)}});
  }
  return {{"of", q.of == TrendOf::Sales ? "sales" : "purchases"},
          {"by", q.by == TrendBy::Partner ? "partner"
                 : q.by == TrendBy::Item  ? "item"
                                          : "total"},
          {"year", q.year},
          {"startMonth", q.startMonth},
          {"rows", std::move(rows)},
          {"total",
           {{"months", Months(t.total)},
            {"total", MoneyToText(t.total.total)},
            {"previous", MoneyToText(t.total.previous)}}}};
}

std::vector<std::string> CsvRow(const std::string& id, const std::string& name, const TrendRow& r) {
  std::vector<std::string> cells = {id, name};
  for (Money m : r.months) cells.push_back(MoneyToText(m));
  cells.push_back(MoneyToText(r.total));
  cells.push_back(MoneyToText(r.previous));
  cells.push_back(r.ratio ? MoneyToText(*r.ratio) : std::string());
  return cells;
}

// A header of id, name, the months as YYYY-MM, total, previous, ratio; a row per record,
// then the total with an empty id.
std::string TrendCsv(const MonthlyTrend& t, const CsvStyle& style) {
  std::vector<std::string> header = {"id", "name"};
  for (int m = 0; m < 12; ++m) {
    const int month = (t.query.startMonth - 1 + m) % 12 + 1;
    const int year = t.query.year + (t.query.startMonth - 1 + m) / 12;
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d", year, month);
    header.push_back(text);
  }
  for (const char* c : {"total", "previous", "ratio"}) header.push_back(c);
  std::vector<std::vector<std::string>> rows = {header};
  for (const TrendRow& r : t.rows)
    rows.push_back(CsvRow(std::to_string(r.id), Name(r, t.query), r));
  rows.push_back(CsvRow(std::string(), "合計", t.total));
  return CsvText(rows, style);
}

}  // namespace

TrendQuery ReadTrendQuery(const CliOptions& options) {
  TrendQuery q;
  const std::string& of = RequiredOption(options, "--of");
  if (of != "sales" && of != "purchases") throw std::invalid_argument("--of is sales or purchases");
  q.of = of == "sales" ? TrendOf::Sales : TrendOf::Purchases;
  const std::string& by = RequiredOption(options, "--by");
  if (by == "partner") {
    q.by = TrendBy::Partner;
  } else if (by == "item") {
    q.by = TrendBy::Item;
  } else if (by == "total") {
    q.by = TrendBy::Total;
  } else {
    throw std::invalid_argument("--by is partner, item or total");
  }
  RequiredOption(options, "--year");
  q.year = IntOption(options, "--year", 1900, 9998, 0);
  q.startMonth = IntOption(options, "--start-month", 1, 12, 1);
  return q;
}

void TrendCommand(const std::vector<std::string>& files, const CliOptions& options,
                  bool passwordStdin, std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("trend takes one FILE");
  OnlyOptions(options, {"--of", "--by", "--year", "--start-month", "--format", "--bom", "--crlf"});
  const TrendQuery q = ReadTrendQuery(options);
  const bool csv = WantsCsv(options);
  const CsvStyle style = CsvStyleOf(options);
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  std::string text;
  WithinRange([&] {
    const MonthlyTrend trend = ComputeMonthlyTrend(doc, q);
    text = csv ? TrendCsv(trend, style) : TrendJson(trend).dump(2) + '\n';
  });
  out << text;
}
