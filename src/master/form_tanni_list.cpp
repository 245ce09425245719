#include "form_tanni_list.h"

#include "document.h"

TFormTanniList::TFormTanniList(Document& doc)
    : TFormNameList(doc, TanniListDesign(), TextNames(doc.units)),
      ListBoxTanniList(ListBox()),
      ButtonAddTanni(AddButton()),
      ButtonEditTanni(EditButton()),
      ButtonDeleteTanni(DeleteButton()) {}
