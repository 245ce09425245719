#include "cli_pdf.h"

#include <QDate>

#include <stdexcept>

#include "delivery_note.h"
#include "item_row.h"
#include "master_list_reports.h"
#include "partner_row.h"

namespace {

// The rows exactly as the list windows fill their views.
ListSnapshot ItemSnapshot(const Document& doc) {
  ListSnapshot s{QStringLiteral("登録商品一覧"), {}, QDate::currentDate()};
  for (const ItemRecord& item : doc.items.Records())
    s.rows.push_back(ItemRowTexts(item, doc.groups, doc.invoice.reducedItems));
  return s;
}

ListSnapshot PartnerSnapshot(const Document& doc, int kind) {
  ListSnapshot s{PartnerListTitle(kind), {}, QDate::currentDate()};
  for (const CustomerRecord& p : doc.Partners(kind).Records()) {
    s.rows.push_back(PartnerRowTexts(doc.company, p));
  }
  return s;
}

}  // namespace

Report CliReport(const Document& doc, const std::string& what, std::optional<int32_t> slip) {
  if (what == "delivery-note") {
    if (!slip) throw std::invalid_argument("pdf delivery-note needs --slip ID");
    const Slip* found = doc.slips.Find(*slip);
    if (found == nullptr) throw CliReportError("no slip has the id " + std::to_string(*slip));
    const CustomerRecord partner = doc.Partners(found->kind % 2).GetById(found->partner);
    return DeliveryNoteReport(DeliveryNoteOf(doc, *found, partner));
  }
  if (slip) throw std::invalid_argument("--slip goes with pdf delivery-note only");
  if (what == "items") return ItemListReport(ItemSnapshot(doc));
  if (what == "suppliers") return PartnerListReport(PartnerSnapshot(doc, 0));
  if (what == "customers") return PartnerListReport(PartnerSnapshot(doc, 1));
  throw std::invalid_argument("unknown document " + what);
}
