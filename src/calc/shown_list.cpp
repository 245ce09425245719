#include "shown_list.h"

#include "computed_list_csv.h"
#include "csv_writer.h"

namespace {

// Stored bytes that are no CP932 text come out of the codec as the substitute control
// character, a cut-off last character as the replacement character.
bool Unreadable(const QString& cell) {
  return cell.contains(QChar(0x1A)) || cell.contains(QChar::ReplacementCharacter);
}

QString Shown(const QString& cell, ShownKind kind) {
  if (cell.size() != 10) return cell;
  if (kind == ShownKind::MonthDay) return cell.mid(5);
  if (kind == ShownKind::MonthDayJp) {
    return cell.mid(5, 2) + QStringLiteral("月") + cell.mid(8, 2) + QStringLiteral("日");
  }
  return cell;
}

std::string CsvCell(const QString& cell, ShownKind kind) {
  if (Unreadable(cell)) {
    throw SlipListError(SlipListError::Reason::NotText, "bytes that are not CP932 text");
  }
  if (kind != ShownKind::Amount) return cell.toStdString();
  QString plain = cell;
  return plain.remove(QLatin1Char(',')).toStdString();
}

}  // namespace

std::vector<QStringList> ShownTexts(const ShownList& list) {
  std::vector<QStringList> texts = list.rows;
  for (QStringList& row : texts) {
    for (qsizetype c = 0; c < row.size() && c < static_cast<qsizetype>(list.columns.size()); ++c) {
      row[c] = Shown(row[c], list.columns[static_cast<size_t>(c)].kind);
    }
  }
  return texts;
}

QStringList VisibleCaptions(const ShownList& list) {
  QStringList captions;
  for (const ShownColumn& column : list.columns) {
    if (column.kind != ShownKind::Hidden) captions << column.caption;
  }
  return captions;
}

std::string ShownCsv(const ShownList& list) {
  std::vector<std::vector<std::string>> cells;
  std::vector<std::string>& header = cells.emplace_back();
  for (const QString& caption : VisibleCaptions(list)) header.push_back(caption.toStdString());
  for (const QStringList& row : list.rows) {
    std::vector<std::string>& out = cells.emplace_back();
    for (size_t c = 0; c < list.columns.size(); ++c) {
      const ShownKind kind = list.columns[c].kind;
      if (kind == ShownKind::Hidden) continue;
      const auto at = static_cast<qsizetype>(c);
      out.push_back(CsvCell(at < row.size() ? row[at] : QString(), kind));
    }
  }
  return CsvText(cells, kSpreadsheetCsv);
}
