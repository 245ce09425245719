#include "csv_writer.h"

std::string CsvCell(std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(cell);
  std::string quoted = "\"";
  for (const char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvLine(const std::vector<std::string>& cells, const CsvStyle& style) {
  std::string line;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) line += ',';
    line += CsvCell(cells[i]);
  }
  return line + (style.crlf ? "\r\n" : "\n");
}

std::string CsvText(const std::vector<std::vector<std::string>>& rows, const CsvStyle& style) {
  std::string text = style.bom ? "\xEF\xBB\xBF" : "";
  for (const std::vector<std::string>& row : rows) text += CsvLine(row, style);
  return text;
}
