#pragma once

#include <QString>
#include <string>
#include <vector>

class QTableWidget;

// The rows of a list view as a spreadsheet gets them: the column captions, then every row
// as shown; hidden columns are left out and grouped amounts lose their separators.
std::vector<std::vector<std::string>> ListViewCsvCells(const QTableWidget* view);
// Writes those rows to `path` in one step (UTF-8 with a byte-order mark, CR LF); a failure
// leaves no file behind and throws FileError.
void SaveListViewCsv(const QTableWidget* view, const QString& path);
// Gives the view the context-menu item "CSVで保存…", which asks for a file name and
// writes the rows; a failure is a message.
void InstallCsvSave(QTableWidget* view);
