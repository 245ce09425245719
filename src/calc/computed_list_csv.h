#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "billing.h"
#include "csv_writer.h"
#include "document.h"
#include "slip_values.h"

// The computed lists as CSV, one builder per list, shared by tenpo-cli and the windows'
// "CSVで保存…" so both write the same rows.

// What the slip list shows: one partner's slips of a mode, optionally for a period.
struct SlipListQuery {
  int mode = 1;  // 0 purchase, 1 shipment
  int32_t partner = 0;
  std::optional<SlipPeriod> period;
};

enum class SalesBy { Item, Customer, Date };

struct SalesQuery {
  SalesBy by = SalesBy::Item;
  SlipPeriod period;
  bool hideZero = false;
};

struct ReturnsQuery {
  int partnerKind = 0;  // 0 purchase returns, 1 shipment returns
  SlipPeriod period;
  bool subtotals = false;
};

// A slip list that cannot be written faithfully (no such partner, text that is not CP932,
// a total beyond the money range); the text says why for tenpo-cli, the reason lets a
// window say it in Japanese.
class SlipListError : public std::runtime_error {
 public:
  enum class Reason { NoPartner, NotText, OutOfRange };
  SlipListError(Reason reason, const std::string& what)
      : std::runtime_error(what), reason_(reason) {}
  Reason reason() const { return reason_; }

 private:
  Reason reason_;
};

// "YYYY-MM-DD" of a day count.
std::string IsoDate(double date);
// UTF-8 of stored CP932 text; bytes that do not come back the same throw SlipListError
// naming `what`, rather than being written changed.
std::string CheckedUtf8(const std::string& sjis, const std::string& what);
const CustomerRecord& SlipListPartner(const Document& doc, const SlipListQuery& query);
SlipListRows SlipListOf(const Document& doc, const SlipListQuery& query);

// The detail's columns and one row's cells: date and number on a slip's first line, no
// quantity, unit or price on a receipt. Text that is not CP932 throws SlipListError naming
// the row by its position (from 1).
const std::vector<std::string>& ClaimDetailColumns();
std::vector<std::string> ClaimDetailCells(const ClaimDetailRow& row, size_t index);

// Each list: a header row of keys, then one row per listed row. A sum beyond the range of
// amounts throws MoneyOverflow.
std::string SlipListCsv(const Document& doc, const SlipListQuery& query,
                        const CsvStyle& style = {});
std::string ClaimsCsv(const Document& doc, int kind, double month, const CsvStyle& style = {});
std::string ClaimDetailCsv(const Document& doc, int mode, int32_t partner, double month,
                           const CsvStyle& style = {});
std::string SalesCsv(const Document& doc, const SalesQuery& query, const CsvStyle& style = {});
std::string ReturnsCsv(const Document& doc, const ReturnsQuery& query, const CsvStyle& style = {});

// The same lists as their windows show them, for a spreadsheet: what "CSVで保存…" writes
// and tenpo-cli --as-shown prints.
std::string SlipListShownCsv(const Document& doc, const SlipListQuery& query);
std::string ClaimsShownCsv(const Document& doc, int kind, double month);
std::string ClaimDetailShownCsv(const Document& doc, int mode, int32_t partner, double month);
std::string SalesShownCsv(const Document& doc, const SalesQuery& query);
std::string ReturnsShownCsv(const Document& doc, const ReturnsQuery& query);
