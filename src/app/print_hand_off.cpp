#include "print_hand_off.h"

#include <utility>

#include "dialogs.h"
#include "form_registry.h"

namespace {

// The registered window of the id, when this build has one and it is of that kind.
template <class Printer>
std::pair<TForm*, Printer*> Find(FormId id) {
  TForm* form = Forms().Get(id);
  return {form, dynamic_cast<Printer*>(form)};
}

}  // namespace

void PrintReport(int kind, Report report) {
  if (report.pageCount <= 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  auto [form, printer] = Find<ReportPrinter>(FormId::SetPrinter);
  if (printer == nullptr) return;
  form->Tag = kind;
  printer->SetReport(std::move(report));
  ShowModal(form);
  printer->SetReport({});
}

void PrintDeliveryNote(int partnerKind, int32_t slipId, int partnerIndex) {
  auto [form, note] = Find<DeliveryNotePrinter>(FormId::DeliveryPrint);
  if (note == nullptr) return;
  form->Tag = partnerKind;
  note->Prepare(slipId, partnerIndex);
  ShowModal(form);
}
