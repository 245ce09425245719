#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

class QTableWidget;

// The rows of a list view as a spreadsheet gets them: the column captions, then every row
// as shown; hidden columns are left out and grouped amounts lose their separators.
std::vector<std::vector<std::string>> ListViewCsvCells(const QTableWidget* view);
// Those rows as a file's text: UTF-8 with a byte-order mark, CR LF.
std::string ListViewCsv(const QTableWidget* view);
// Writes those rows to `path` in one step; a failure leaves no file behind and throws
// FileError.
void SaveListViewCsv(const QTableWidget* view, const QString& path);

// The whole text a list's CSV file gets.
using CsvSource = std::function<std::string()>;
// What the file is named after ("出荷伝票", the partner's name); the window's title when none
// is given.
using CsvName = std::function<QStringList()>;
// Gives the view the context-menu item "CSVで保存…", which asks for a file name and
// writes the rows as shown; a failure is a message.
void InstallCsvSave(QTableWidget* view);
// Makes that item write what `source` gives instead: a computed list writes the rows
// tenpo-cli prints for it, not the shown texts.
// The dialog starts where the data file's dialogs start and suggests a name from `name`.
void SetCsvSource(QTableWidget* view, CsvSource source, CsvName name = {});
