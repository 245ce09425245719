#include "form_group_add.h"

TFormGroupAdd::TFormGroupAdd(Document& doc)
    : TFormNameAdd(doc, GroupListDesign().entry), EditName(Edit()) {}
