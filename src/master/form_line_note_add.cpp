#include "form_line_note_add.h"

TFormLineNoteAdd::TFormLineNoteAdd(Document& doc)
    : TFormNameAdd(doc, LineNoteListDesign().entry), EditLineNote(Edit()) {}
