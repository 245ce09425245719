#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "csv_writer.h"
#include "json_in.h"
#include "slip_values.h"

// What `tenpo-cli slips` lists: one partner's slips of a mode, optionally for a period.
struct SlipListQuery {
  int mode = 1;  // 0 purchase, 1 shipment
  int32_t partner = 0;
  std::optional<SlipPeriod> period;
};

// A list the tool cannot print faithfully (no such partner, text that is not CP932, a
// total beyond the money range); the text says why.
class SlipListError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The slip list as the window computes it, with each slip's lines as its detail shows them.
Json SlipListJson(const Document& doc, const SlipListQuery& query);
// A header row and one row per slip: id,date,number,kind,total.
std::string SlipListCsv(const Document& doc, const SlipListQuery& query,
                        const CsvStyle& style = {});
// "YYYY-MM-DD" of a day count.
std::string IsoDate(double date);
