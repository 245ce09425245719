#pragma once

#include <QByteArray>

#include "document.h"
#include "report.h"

// Whether printing or writing the report issues a document that is kept: a delivery
// note, invoice or receipt while the file's switch is on.
bool KeepsCopy(const Document& doc, const Report& report);

// Before a kept document is issued: a document without a file name is saved first, since
// its archive lives beside the file. False when it was not saved (nothing is issued).
bool ReadyToKeep(Document& doc);

// Keeps the issued PDF in the archive, first recording any document issued earlier while
// the archive could not be written. When the archive cannot be written the user is told
// why and asked whether to issue without keeping; that choice is noted so it reaches the
// index later. False when the document must not go out.
bool KeepBeforeIssue(const Document& doc, const Report& report, const QByteArray& pdf);

// Where documents issued without their copy wait to be recorded.
QString UnkeptNotesPath();
