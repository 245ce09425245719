#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "form_registry.h"
#include "list_window_pattern.h"

// What tells the classification, unit and remark-phrase windows apart. The three pairs
// are one implementation (TFormNameList, TFormNameAdd); everything that differs is here.

struct NameEntryDesign {
  QSize clientSize;
  QString label;  // none when empty
  int editWidth = 0;
  QString editName;      // the edit's object name
  QString emptyMessage;  // for an entry of blanks only
  bool escCancels = true;
};

struct NameListDesign {
  QString caption;
  QSize clientSize;
  QSize listBoxSize;
  QStringList tabs;  // a tab per part of the list; none for a single list
  // Object names of the controls that are named after the list.
  QString listBoxName;
  QString addButtonName;
  QString editButtonName;
  QString deleteButtonName;
  // A wide window has its buttons in two rows; a narrow one needs three.
  bool buttonsInTwoRows = false;
  FirstRow firstRow = FirstRow::Free;
  QString inUseMessage;  // when deleting an entry in use; entries of plain lists never are
  ListMessages messages;

  FormId entryForm = FormId::GroupAdd;
  QString addCaption;
  QString changeCaption;
  NameEntryDesign entry;
};

const NameListDesign& GroupListDesign();
const NameListDesign& TanniListDesign();
const NameListDesign& LineNoteListDesign();
