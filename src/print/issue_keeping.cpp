#include "issue_keeping.h"

#include <QDir>

#include "archive_folder.h"
#include "archive_issue.h"
#include "archive_unkept.h"
#include "config.h"
#include "dialogs.h"
#include "save_request.h"
#include "sjis_codec.h"

namespace {

QString Issuer(const Document& doc) {
  return FromSjis(doc.company.person);
}

// The earlier entries, for marking a reissue; none when the index cannot be read.
std::vector<ArchiveEntry> EarlierOrNone(const QString& folder) {
  try {
    return ReadArchive(folder);
  } catch (const ArchiveError&) {
    return {};
  }
}

bool IssueWithoutCopy(const Document& doc, const Report& report, const QString& folder,
                      const ArchiveError& why) {
  if (!AskYesNo(why.Message() + QStringLiteral("\n\n保存せずに発行しますか？"))) return false;
  ArchiveEntry entry =
      EntryFor(EarlierOrNone(folder), report.issued, Issuer(doc), QDateTime::currentDateTime());
  entry.reason = why.Message();
  try {
    NoteUnkept(UnkeptNotesPath(), folder, entry);
    return true;
  } catch (const ArchiveError& e) {
    ShowMessage(e.Message() + QStringLiteral("\n発行を中止しました。"));
    return false;
  }
}

}  // namespace

bool KeepsCopy(const Document& doc, const Report& report) {
  return doc.keepIssued && !report.issued.kind.isEmpty();
}

bool ReadyToKeep(Document& doc) {
  if (!doc.filePath.isEmpty()) return true;
  if (!AskYesNo(QStringLiteral("発行した書類はデータファイルと同じフォルダに保存します。\n"
                               "先にデータファイルを保存しますか？"),
                DefaultAnswer::Yes)) {
    return false;
  }
  return RequestSave() && !doc.filePath.isEmpty();
}

bool KeepBeforeIssue(const Document& doc, const Report& report, const QByteArray& pdf) {
  const QString folder = ArchiveFolderOf(doc.filePath);
  try {
    RecordUnkept(UnkeptNotesPath(), folder);
    KeepDocument(folder, report.issued, Issuer(doc), pdf);
    return true;
  } catch (const ArchiveError& e) {
    return IssueWithoutCopy(doc, report, folder, e);
  }
}

QString UnkeptNotesPath() {
  return QDir(ConfigFolder()).filePath(QStringLiteral("unkept_issued.jsonl"));
}
