#include "trade_forms.h"

#include "form_slip_add.h"
#include "form_slip_list.h"

void AddTradeForms(FormFactories& factories) {
  factories[FormId::SlipList] = [](Document& doc) { return new TFormSlipList(doc); };
  factories[FormId::SlipAdd] = [](Document& doc) { return new TFormSlipAdd(doc); };
}
