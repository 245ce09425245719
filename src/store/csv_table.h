#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// A CSV file as a spreadsheet wrote it: its encoding found from the bytes, its records
// split with quoted fields holding commas, quotes and line breaks.
struct CsvTable {
  QString encoding;  // "UTF-8（BOM 付き）", "UTF-8" or "Shift_JIS"
  // Each record with the row a spreadsheet shows it on (the first record is row 1).
  struct Record {
    int row = 0;
    QStringList fields;
  };
  std::vector<Record> records;
};

// A byte-order mark means UTF-8; bytes that are valid UTF-8 are UTF-8; anything else is
// read as CP932. Line ends may be CR LF or LF; records of blank fields only are left out.
CsvTable ReadCsvTable(const QByteArray& bytes);
