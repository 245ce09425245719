#include "master_forms.h"

#include "form_customer_add.h"
#include "form_customer_list.h"
#include "form_group_add.h"
#include "form_group_list.h"
#include "form_item_add.h"
#include "form_item_list.h"
#include "form_line_note_add.h"
#include "form_line_note_list.h"
#include "form_tanni_add.h"
#include "form_tanni_list.h"
#include "form_tax_list.h"

void AddMasterForms(FormFactories& factories) {
  factories[FormId::ItemList] = [](Document& doc) { return new TFormItemList(doc); };
  factories[FormId::ItemAdd] = [](Document& doc) { return new TFormItemAdd(doc); };
  factories[FormId::GroupList] = [](Document& doc) { return new TFormGroupList(doc); };
  factories[FormId::GroupAdd] = [](Document& doc) { return new TFormGroupAdd(doc); };
  factories[FormId::TanniList] = [](Document& doc) { return new TFormTanniList(doc); };
  factories[FormId::TanniAdd] = [](Document& doc) { return new TFormTanniAdd(doc); };
  factories[FormId::TaxList] = [](Document& doc) { return new TFormTaxList(doc); };
  factories[FormId::CustomerList] = [](Document& doc) { return new TFormCustomerList(doc); };
  factories[FormId::CustomerAdd] = [](Document& doc) { return new TFormCustomerAdd(doc); };
  factories[FormId::LineNoteList] = [](Document& doc) { return new TFormLineNoteList(doc); };
  factories[FormId::LineNoteAdd] = [](Document& doc) { return new TFormLineNoteAdd(doc); };
}
