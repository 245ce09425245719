#include "period_pdf.h"

#include <stdexcept>

#include "period_list_rows.h"
#include "report_kind.h"
#include "return_list.h"
#include "sales_analysis.h"

namespace {

// The printer-choice kinds of the four period lists.
int ReportOf(SalesBy by) {
  switch (by) {
    case SalesBy::Item:
      return kReportItemSales;
    case SalesBy::Customer:
      return kReportCustomerSales;
    case SalesBy::Date:
      return kReportDateSales;
  }
  return kReportItemSales;
}

PeriodListView SalesView(const Document& doc, const SalesQuery& q) {
  switch (q.by) {
    case SalesBy::Item:
      return ItemSalesView(ComputeItemSales(doc, q.period, q.hideZero));
    case SalesBy::Customer:
      return CustomerSalesView(ComputeCustomerSales(doc, q.period, q.hideZero));
    case SalesBy::Date:
      return DateSalesView(ComputeDateSales(doc, q.period, q.hideZero));
  }
  return {};
}

ListReportSnapshot SnapshotOf(int report, SlipPeriod period, PeriodListView view,
                              bool hiddenLastColumn) {
  ListReportSnapshot s{report,      period.from,         period.to, std::move(view.rows),
                       view.totals, QDate::currentDate()};
  // The window prints its visible columns only.
  if (hiddenLastColumn) {
    for (QStringList& row : s.rows) row.removeLast();
  }
  return s;
}

}  // namespace

std::optional<PeriodPdfQuery> ReadPeriodPdfQuery(const std::string& what,
                                                 const CliOptions& options) {
  if (what == "sales") {
    OnlyOptions(options, {"--by", "--from", "--to", "--hide-zero", "--out"});
    return ReadSalesQuery(options);
  }
  if (what == "returns") {
    OnlyOptions(options, {"--kind", "--from", "--to", "--subtotals", "--out"});
    return ReadReturnsQuery(options);
  }
  return std::nullopt;
}

ListReportSnapshot PeriodPdfSnapshot(const Document& doc, const PeriodPdfQuery& query) {
  ListReportSnapshot snapshot;
  WithinRange([&] {
    if (const auto* sales = std::get_if<SalesQuery>(&query)) {
      snapshot = SnapshotOf(ReportOf(sales->by), sales->period, SalesView(doc, *sales), true);
    } else {
      const auto& r = std::get<ReturnsQuery>(query);
      snapshot = SnapshotOf(
          kReportReturnList, r.period,
          ReturnListView(ComputeReturnList(doc, r.partnerKind, r.period, r.subtotals)), false);
    }
  });
  return snapshot;
}
