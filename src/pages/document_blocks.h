#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <vector>

#include "list_report_frame.h"
#include "page_canvas.h"

// The parts the delivery note and the invoice share: the head of the sheet, the partner's
// and the own company's address blocks and the stamp boxes. A block is postal code,
// address 1, address 2, name, TEL, FAX.

struct CompanySettings;
struct CustomerRecord;

// The blocks of a partner and of the own company, from their stored fields.
QStringList AddressBlock(const CustomerRecord& partner);
QStringList AddressBlock(const CompanySettings& company);

// The text at i, empty past the end.
QString BlockAt(const QStringList& texts, int i);

// "№" + number (when set), the title centred, the date and the page number.
void DrawDocumentHeader(PageCanvas& c, const QString& number, const QString& title,
                        const QDate& date, int page, int count);
// The partner's name is followed by the honorific; the names are cut to the block.
void DrawPartnerBlock(PageCanvas& c, const QStringList& partner, const QString& nameTitle);
// A registration line ("登録番号 T…", empty: none) goes under the name; the lines above it
// move up one line so TEL and FAX keep their places.
void DrawCompanyBlock(PageCanvas& c, const QStringList& company, const QString& registration);
void DrawStampBoxes(PageCanvas& c, bool tantou, bool kakunin);
// A line of the blocks: cut to its bytes, then to the room of the block.
void BlockLine(PageCanvas& c, Face face, double h, double left, double top, double roomMm,
               const QString& text, int bytes);

// The texts of a table row; a reduced-rate row also gets the mark at the right end of the
// name column (which ends at `nameRight` mm), the name giving up that room so neither
// covers the other.
void DrawMarkedRow(PageCanvas& c, const std::vector<ListCell>& cells,
                   const std::vector<double>& rules, const QStringList& row, int top, bool reduced,
                   double nameRight);
// The per-rate table of a qualified invoice at the size of the totals: a heading row, then
// one row per rate, each `rowHeight` mm; `rules` are its left edge, column rules and right
// edge.
void DrawRateTable(PageCanvas& c, const std::vector<double>& rules, double top, double rowHeight,
                   const std::vector<QStringList>& rows);
// Lines of text `step` mm apart from `top` at `left`; squeezed as far as it takes, never
// cut, into `roomMm`.
void DrawTextLines(PageCanvas& c, double left, double top, double step, double roomMm,
                   const QStringList& lines);
