#pragma once

#include <QString>
#include <QStringList>
#include <vector>

class QTableWidget;
class QWidget;

struct ListColumn {
  QString caption;
  int width = 100;
  bool rightAligned = false;
};

// The report-style tables of the windows: grid shown, whole-row single selection,
// read-only, no row numbers, the selection kept visible when the focus leaves, rows as
// high as the text with a small margin, the last visible column stretched to the width,
// and "CSVで保存…" in the context menu.
void SetUpListView(QTableWidget* view, const std::vector<ListColumn>& columns);
// The height of every row of a view set up here.
int ListRowHeight(const QTableWidget* view);
// A new table so set up, named as its member.
QTableWidget* NewListView(QWidget* parent, const QString& name,
                          const std::vector<ListColumn>& columns);
// The lines of one slip, as the slip list's detail and the delivery note show them.
std::vector<ListColumn> SlipLineColumns();
// Replaces the rows; each row gives the texts of its columns in order.
void FillListView(QTableWidget* view, const std::vector<QStringList>& rows);
// The texts of every row as displayed, column by column: what a report of the window prints.
std::vector<QStringList> ListViewTexts(const QTableWidget* view);
