#pragma once

#include <cstdint>

#include "report.h"
#include "report_kind.h"

// The printing windows live in print/, which no other window folder sees: the hand-off
// finds them in the registry and speaks to them through these.

// The printer-choice window (FormId::SetPrinter): it previews, prints or writes the
// report it holds.
class ReportPrinter {
 public:
  virtual void SetReport(Report report) = 0;

 protected:
  ~ReportPrinter() = default;
};

// The delivery-note window (FormId::DeliveryPrint). The opener sets Tag (the partner kind).
class DeliveryNotePrinter {
 public:
  // The slip and the partner's position in its list (the slip list's tab).
  virtual void Prepare(int32_t slipId, int partnerIndex) = 0;

 protected:
  ~DeliveryNotePrinter() = default;
};

// What every print button does: a document without pages gets "印刷対象がありません。";
// any other goes to the printer-choice window, which previews, prints or writes it.
void PrintReport(int kind, Report report);

// The delivery note of one slip, from the slip list in its mode (the partner kind).
void PrintDeliveryNote(int partnerKind, int32_t slipId, int partnerIndex);
