#include "form_tanni_add.h"

TFormTanniAdd::TFormTanniAdd(Document& doc)
    : TFormNameAdd(doc, TanniListDesign().entry), EditName(Edit()) {}
