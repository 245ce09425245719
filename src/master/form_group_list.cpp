#include "form_group_list.h"

#include "document.h"

TFormGroupList::TFormGroupList(Document& doc)
    : TFormNameList(doc, GroupListDesign(), GroupNames(doc.groups, doc.items)),
      ListBoxGroupList(ListBox()),
      ButtonAddGroup(AddButton()),
      ButtonEditGroup(EditButton()),
      ButtonDeleteGroup(DeleteButton()) {}
