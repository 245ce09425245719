#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cumulative_sums.h"

// One row of the claim list (請求書作成 / 取引先別支払一覧).
struct ClaimListRow {
  int32_t id = 0;
  std::string name;  // CP932, as stored
  Money amount;      // Sc - Pc, or 0 when more was paid than owed
  int32_t closingDay = 0;
  QString closingDayText;  // "20日" / "月末"
  double dueDate = 0;
  QString dueText;  // "05月31日"
  double closingDate = 0;
  double previousClosingDate = 0;
  CumulativeSums sales;
  CumulativeSums payments;
};

// The rows for every partner of the mode (0 suppliers, 1 customers) in list order, for the
// month of `month`; a partner that owes nothing and had no sales in the period is left out.
// One pass over slips and payments. Throws MoneyOverflow.
std::vector<ClaimListRow> ComputeClaimList(const Document& doc, int mode, double month);

// The same row for one partner by the per-partner rule (each cumulative sum on its own);
// nullopt when the partner is left out or does not exist.
std::optional<ClaimListRow> ComputeClaimListRow(const Document& doc, int mode, int32_t partnerId,
                                                double month);
