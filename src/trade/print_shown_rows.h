#pragma once

class QTableWidget;

// Reports print the rows their window shows: with none, "印刷対象がありません。";
// otherwise the printer-choice window opens for the report kind.
void PrintShownRows(const QTableWidget* view, int reportKind);
