#include "form_line_note_list.h"

#include "document.h"

TFormLineNoteList::TFormLineNoteList(Document& doc)
    : TFormNameList(doc, LineNoteListDesign(), TextNames(doc.lineNotes)),
      ListBoxLineNoteList(ListBox()),
      ButtonAddLineNote(AddButton()),
      ButtonEditNoteList(EditButton()),
      ButtonDeleteNoteList(DeleteButton()) {}
