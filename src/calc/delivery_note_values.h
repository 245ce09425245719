#pragma once

#include <string>
#include <vector>

#include "document.h"
#include "slip_taxes.h"

// One line of a delivery note; returns carry negated quantity and amount.
struct DeliveryNoteLine {
  std::string code;  // code, name and unit are blank when the product no longer exists
  std::string name;
  std::string unit;
  Money quantity;
  Money price;
  Money amount;  // the line amount rounded to whole yen, as in the slip's value
  std::string note;
  bool reduced = false;  // the product took the reduced rate
};

struct DeliveryNoteValues {
  std::vector<DeliveryNoteLine> lines;
  Money subtotal;  // the sum of the line amounts
  // Only the tax added to tax-excluded lines, so that subtotal + tax = total on paper.
  Money tax;
  Money innerTax;              // tax already inside tax-included prices, shown on its own
  Money total;                 // subtotal plus the added tax: the slip's value in the slip list
  std::vector<RateTax> rates;  // per rate, when taxed per rate
};

// The figures of the slip's delivery note at the rounding method of its terms, taxed as
// the slip's value is, so the note's total is the slip's value.
DeliveryNoteValues ComputeDeliveryNote(const Document& doc, const Slip& slip, int rounding);
