#pragma once

#include <string>
#include <string_view>
#include <vector>

// How a CSV file ends its lines and whether it starts with a UTF-8 byte-order mark (which
// a spreadsheet needs to read Japanese text as UTF-8).
struct CsvStyle {
  bool bom = false;
  bool crlf = false;
};
// What a spreadsheet opens with Japanese text intact.
inline constexpr CsvStyle kSpreadsheetCsv{.bom = true, .crlf = true};

// A cell quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string CsvCell(std::string_view cell);
// One record with its line end.
std::string CsvLine(const std::vector<std::string>& cells, const CsvStyle& style = {});
// Every record in order, after the byte-order mark when the style asks for one.
std::string CsvText(const std::vector<std::vector<std::string>>& rows, const CsvStyle& style = {});
