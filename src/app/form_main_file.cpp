// user's work on the way: the question before unsaved changes are given up, the file's
// lock, the check that nobody else changed the file, and the recovery copies.
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>

// The main window's File menu: New, Open, Save As, Save and Exit, and what keeps the
#include "app_title.h"
#include "backup_copy.h"
#include "config.h"
#include "dialogs.h"
#include "file_dialog_start.h"
#include "file_error.h"
#include "form_log_in.h"
#include "form_main.h"
#include "form_setting.h"
#include "tax_list.h"

namespace {

const QString kFileFilter = QStringLiteral("販売管理ファイル (*.TLG *.tlg)");
const QString kInitialName = QStringLiteral("*.TLG");

enum SaveAnswer { kSave, kDontSave, kCancel };

SaveAnswer AskToSaveChanges() {
  return static_cast<SaveAnswer>(AskChoice(
      QStringLiteral("変更が保存されていません。保存しますか？"),
      {QStringLiteral("保存"), QStringLiteral("保存しない"), QStringLiteral("キャンセル")}, kSave,
      kCancel));
}

// The same name on disk, links followed.
bool SameFile(const QString& a, const QString& b) {
  if (a.isEmpty() || b.isEmpty()) return false;
  const auto resolved = [](const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
  };
  return resolved(a) == resolved(b);
}

QString FileName(const QString& path) {
  return QFileInfo(path).fileName();
}

bool AskToRestore(const RecoveryCopy& copy) {
  return AskChoice(QStringLiteral("前回保存されなかった変更があります（%1）。復元しますか？")
                       .arg(copy.written.toString(QStringLiteral("yyyy/MM/dd HH:mm"))),
                   {QStringLiteral("復元"), QStringLiteral("破棄")}, 0, 1) == 0;
}

void SetAsideAndTell(const RecoveryCopy& copy) {
  const QString where = SetAside(copy, RecoveryFolder());
  if (where.isEmpty()) return;
  ShowMessage(QStringLiteral("復元しなかった変更は%1日間、次の場所に保管されます。\r\n%2")
                  .arg(kSetAsideDays)
                  .arg(QDir::toNativeSeparators(where)));
}

// Opens with the password the copy's file had, without asking: Opened, NotOpened after a
// damaged file (its messages shown), or nothing when that password does not fit.
std::optional<OpenResult> OpenWithKey(Document& doc, const QString& path, const std::string& key) {
  int asked = 0;
  QStringList messages;
  const OpenPrompts prompts{[&]() -> std::optional<std::string> {
                              if (asked++ > 0) return std::nullopt;
                              return key;
                            },
                            [&messages](const QString& message) { messages << message; }};
  const OpenResult result = OpenDocument(doc, path, prompts);
  if (result != OpenResult::Opened && asked > 1) return std::nullopt;
  for (const QString& message : messages) ShowMessage(message);
  return result;
}

}  // namespace

bool TFormMain::HasUnsavedChanges() const {
  return WorkingPageShown() && doc_.changes.Value() != savedChanges_;
}

void TFormMain::MarkSaved() {
  savedChanges_ = doc_.changes.Value();
  UpdateTitle();
}

void TFormMain::DocumentChanged() {
  UpdateTitle();
  if (HasUnsavedChanges()) recovery_->DocumentChanged();
}

void TFormMain::UpdateTitle() {
  if (!WorkingPageShown()) {
    setWindowTitle(AppTitle());
    setWindowModified(false);
    return;
  }
  QString name = doc_.filePath.isEmpty() ? QStringLiteral("無題") : FileName(doc_.filePath);
  if (readOnly_) name += QStringLiteral(" (読み取り専用)");
  setWindowTitle(AppTitle() + QStringLiteral(" - ") + name + QStringLiteral(" [*]"));
  setWindowModified(HasUnsavedChanges());
}

std::optional<RecoverySnapshot> TFormMain::RecoverySnapshotNow() const {
  if (!HasUnsavedChanges()) return std::nullopt;
  RecoverySnapshot snap{doc_, doc_.filePath};
  // A document whose file is protected stays protected in its copy, even when the
  // password was just switched off and not saved yet.
  if ((!snap.doc.usePassword || snap.doc.password.empty()) && !fileKey_.empty()) {
    snap.doc.usePassword = true;
    snap.doc.password = fileKey_;
  }
  return snap;
}

void TFormMain::LetGoOfDocument() {
  recovery_->Discard();
  recovery_->SetKey(QString());
  lock_.Release();
  readOnly_ = false;
  identity_ = FileIdentity{};
  fileKey_.clear();
}

void TFormMain::FormShow() {
  const QString path = doc_.filePath;
  if (path.isEmpty() || QFileInfo(path).suffix().toUpper() != QStringLiteral("TLG")) {
    doc_.filePath.clear();
    ShowStartPage();
    UpdateTitle();
    OfferRecoveryAtStart();
    return;
  }
  doc_.filePath.clear();
  if (OpenPath(path, OpenFrom::CommandLine) != OpenResult::Opened) Terminate();
}

OpenPrompts TFormMain::Prompts(OpenFrom from) {
  auto* logIn = Forms().As<TFormLogIn>(FormId::LogIn);
  OpenPrompts prompts{[logIn]() -> std::optional<std::string> {
                        if (logIn == nullptr) return std::nullopt;
                        return AskPasswordWithLogIn(logIn);
                      },
                      [](const QString& message) { ShowMessage(message); }};
  // Only a file named at start ends the program; from the menu the open simply fails.
  if (from == OpenFrom::Menu) {
    prompts.giveUpMessage =
        QStringLiteral("パスワードの入力を一定回数以上間違えたため、ファイルを開けませんでした。");
  }
  return prompts;
}

std::optional<DataFileLock> TFormMain::LockForOpen(const QString& path, bool& readOnly) {
  readOnly = false;
  DataFileLock lock;
  if (lock.TryLock(path) != DataFileLock::Result::HeldByOther) return lock;
  const LockHolder holder = lock.Holder();
  QStringList buttons{QStringLiteral("読み取り専用で開く")};
  // Only the computer that holds a lock can tell that its copy is gone.
  if (!holder.sameComputer) buttons << QStringLiteral("ロックを解除して開く");
  buttons << QStringLiteral("キャンセル");
  const int cancel = static_cast<int>(buttons.size()) - 1;
  const int answer = AskChoice(FileName(path) + QStringLiteral(" は ") + DescribeHolder(holder) +
                                   QStringLiteral("。\r\n読み取り専用で開きますか？"),
                               buttons, 0, cancel);
  if (answer == cancel) return std::nullopt;
  if (answer == 0) {
    readOnly = true;
    return DataFileLock();
  }
  lock.TakeOver(path);
  return lock;
}

OpenResult TFormMain::OpenPath(const QString& path, OpenFrom from, bool offerRecovery) {
  bool readOnly = readOnly_;
  std::optional<DataFileLock> lock;
  const bool sameFile = SameFile(path, doc_.filePath);
  if (!sameFile) {
    lock = LockForOpen(path, readOnly);
    if (!lock) return OpenResult::NotOpened;
  }
  Document opened;
  OpenResult result = OpenResult::NotOpened;
  try {
    result = OpenDocument(opened, path, Prompts(from));
  } catch (const FileError& e) {
    ShowMessage(e.Message());
  }
  if (result != OpenResult::Opened) return result;
  TakeOpened(std::move(opened), path, std::move(lock), readOnly);
  if (offerRecovery) {
    if (const std::optional<RecoveryCopy> copy = RecoveryCopyFor(RecoveryFolder(), path)) {
      OfferRecovery(*copy);
    }
  }
  return OpenResult::Opened;
}

void TFormMain::TakeOpened(Document&& opened, const QString& path,
                           std::optional<DataFileLock>&& lock, bool readOnly) {
  // What was open before has been saved or given up by now.
  recovery_->Discard();
  fileKey_ = opened.usePassword ? opened.password : std::string();
  doc_ = std::move(opened);
  doc_.filePath = path;
  if (lock) lock_ = std::move(*lock);  // else the file open before, whose lock stays
  readOnly_ = readOnly;
  identity_ = IdentityOf(path);
  recovery_->SetKey(RecoveryKey(path));
  EnableFileActions(true, !readOnly_, true);
  ShowWorkingPage();
  MarkSaved();
}

void TFormMain::OfferRecovery(const RecoveryCopy& copy) {
  if (!IsNewerThanItsFile(copy)) {
    // The file was saved after the copy was taken (on another computer, say): the copy is
    // kept aside rather than offered over newer work.
    SetAside(copy, RecoveryFolder());
  } else if (AskToRestore(copy)) {
    Restore(copy);
  } else {
    SetAsideAndTell(copy);
  }
}

bool TFormMain::Restore(const RecoveryCopy& copy) {
  Document restored;
  std::optional<OpenResult> result;
  try {
    if (!fileKey_.empty()) result = OpenWithKey(restored, copy.dataPath, fileKey_);
    if (!result) result = OpenDocument(restored, copy.dataPath, Prompts(OpenFrom::Menu));
  } catch (const FileError& e) {
    ShowMessage(e.Message());
  }
  // The copy stays where it is, to be offered again.
  if (result != OpenResult::Opened) return false;
  const bool ownFile = SameFile(copy.originalPath, doc_.filePath);
  if (!ownFile) {
    // A copy of a new document, or of a file that is gone: nobody's file to guard.
    LetGoOfDocument();
    if (!copy.originalPath.isEmpty()) {
      lock_.TryLock(copy.originalPath);
      identity_ = IdentityOf(copy.originalPath);
    }
  }
  recovery_->SetKey(QFileInfo(copy.dataPath).completeBaseName());
  doc_ = std::move(restored);
  doc_.filePath = copy.originalPath;
  EnableFileActions(true, !doc_.filePath.isEmpty() && !readOnly_, true);
  ShowWorkingPage();
  // Nothing is written to the user's file until they save.
  savedChanges_ = doc_.changes.Value();
  doc_.MarkChanged();
  return true;
}

void TFormMain::OfferRecoveryAtStart() {
  const QString folder = RecoveryFolder();
  RemoveOldSetAside(folder, QDateTime::currentDateTime());
  for (const RecoveryCopy& copy : ListRecoveryCopies(folder)) {
    if (!IsNewerThanItsFile(copy)) {
      SetAside(copy, folder);
      continue;
    }
    if (!AskToRestore(copy)) {
      SetAsideAndTell(copy);
      continue;
    }
    // The file itself is opened first, so that its lock and password are dealt with.
    const bool hasFile = !copy.originalPath.isEmpty() && QFileInfo::exists(copy.originalPath);
    if (!hasFile || OpenPath(copy.originalPath, OpenFrom::Menu, false) == OpenResult::Opened) {
      Restore(copy);
    }
    return;
  }
}

void TFormMain::New1Click() {
  if (!MayDiscard(QStringLiteral("データを新規作成します。\r\n未保存のデータは破棄されます。\r\n"
                                 "続行してよろしいですか？"))) {
    return;
  }
  const bool wasWorking = WorkingPageShown();
  LetGoOfDocument();
  ResetDocument(doc_);
  recovery_->SetKey(NewDocumentKey());
  MarkSaved();
  auto* settings = Forms().As<TFormSetting>(FormId::Setting);
  if (settings == nullptr || ShowModal(settings) != QDialog::Accepted) {
    if (wasWorking) EnableFileActions(true, false, true);
    UpdateTitle();
    return;
  }
  TakeSettings(*settings);
  // A cleared tax list ends at 5 %; a new user would otherwise bill today's slips at it.
  if (AskYesNo(QStringLiteral("現在の消費税率（2014/04/01 から 8%、2019/10/01 から 10%）を"
                              "税率表に追加しますか？"),
               DefaultAnswer::Yes)) {
    AddCurrentRates(doc_.taxes);
  }
  doc_.filePath.clear();
  EnableFileActions(true, false, true);
  ShowWorkingPage();
  MarkSaved();
}

void TFormMain::O1Click() {
  if (!MayDiscard(QStringLiteral(
          "ファイルを開きます。\r\n未保存のデータは破棄されます、よろしいですか？"))) {
    return;
  }
  const QString path = AskOpenFileName(this, QString(), DialogStart(kInitialName), kFileFilter);
  if (path.isEmpty()) return;
  WriteLastFolder(QFileInfo(path).absolutePath());
  OpenPath(path, OpenFrom::Menu);
}

bool TFormMain::MayDiscard(const QString& partQuestion) {
  if (!WorkingPageShown()) return true;
  if (!HasUnsavedChanges()) return AskYesNo(partQuestion);
  switch (AskToSaveChanges()) {
    case kSave:
      return SaveCurrent();
    case kDontSave:
      return true;
    case kCancel:
      break;
  }
  return false;
}

bool TFormMain::SaveCurrent() {
  if (doc_.filePath.isEmpty() || readOnly_) {
    S1Click();
    return !HasUnsavedChanges() && !doc_.filePath.isEmpty() && !readOnly_;
  }
  return SaveTo(doc_.filePath, true);
}

void TFormMain::S1Click() {
  const QString name = doc_.filePath.isEmpty() ? kInitialName : FileName(doc_.filePath);
  const QString path = AskSaveFileName(this, QString(), DialogStart(name), kFileFilter);
  if (path.isEmpty()) return;
  WriteLastFolder(QFileInfo(path).absolutePath());
  const bool ownFile = SameFile(path, doc_.filePath);
  if (ownFile && readOnly_) {
    ShowMessage(FileName(path) +
                QStringLiteral(" は読み取り専用で開いているため、上書きできません。\r\n"
                               "別の名前で保存してください。"));
    return;
  }
  SaveTo(path, ownFile);
}

QString TFormMain::DialogStart(const QString& name) const {
  return FileDialogStart(doc_.filePath, name);
}

void TFormMain::Save1Click() {
  SaveCurrent();
}

bool TFormMain::MayOverwriteOwnFile(const QString& path) {
  const FileIdentity now = IdentityOf(path);
  // A file that is gone takes nobody's work with it.
  if (!now.exists || !identity_.exists || now == identity_) return true;
  return AskYesNo(FileName(path) +
                  QStringLiteral(" は他のプログラムで変更されています。上書きしますか？"));
}

bool TFormMain::SaveTo(const QString& path, bool ownFile) {
  DataFileLock newLock;
  if (ownFile) {
    if (!MayOverwriteOwnFile(path)) return false;
  } else if (newLock.TryLock(path) == DataFileLock::Result::HeldByOther) {
    ShowMessage(FileName(path) + QStringLiteral(" は ") + DescribeHolder(newLock.Holder()) +
                QStringLiteral("。\r\n別の名前で保存してください。"));
    return false;
  }
  try {
    SaveDocument(doc_, path);
  } catch (const FileError& e) {
    ShowMessage(e.Message());
    return false;
  }
  recovery_->Discard();
  if (!ownFile) {
    lock_ = std::move(newLock);
    readOnly_ = false;
    recovery_->SetKey(RecoveryKey(path));
  }
  doc_.filePath = path;
  identity_ = IdentityOf(path);
  fileKey_ = doc_.usePassword ? doc_.password : std::string();
  EnableFileActions(true, true, true);
  MarkSaved();
  WriteBackupCopy();
  return true;
}

void TFormMain::WriteBackupCopy() {
  if (!doc_.useBackup) return;
  try {
    WriteBackup(doc_, doc_.filePath, QDateTime::currentDateTime());
  } catch (const FileError& e) {
    ShowMessage(e.Message());
  }
}

void TFormMain::Exit1Click() {
  close();
}

void TFormMain::closeEvent(QCloseEvent* event) {
  if (terminating_ || FormCloseQuery()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TFormMain::FormCloseQuery() {
  if (!MayDiscard(
          QStringLiteral("終了します。\r\n未保存のデータは破棄されます、よろしいですか？"))) {
    return false;
  }
  LetGoOfDocument();
  return true;
}

void TFormMain::ButtonSettingsClick() {
  auto* settings = Forms().As<TFormSetting>(FormId::Setting);
  if (settings == nullptr || ShowModal(settings) != QDialog::Accepted) return;
  TakeSettings(*settings);
}

void TFormMain::TakeSettings(const TFormSetting& form) {
  const CompanySettings company = form.Company();
  const bool usePassword = form.PasswordOn();
  const std::string password = usePassword ? form.Password() : std::string();
  const bool changed = company != doc_.company || form.BackupOn() != doc_.useBackup ||
                       usePassword != doc_.usePassword || password != doc_.password ||
                       form.InvoiceOn() != doc_.invoice.enabled ||
                       form.KeepIssuedOn() != doc_.keepIssued ||
                       form.RegistrationNumber() != doc_.invoice.registrationNumber;
  doc_.company = company;
  doc_.useBackup = form.BackupOn();
  WriteBackupSwitch(doc_.useBackup);
  WriteBackupKeepAll(form.BackupKeepAll());  // the computer's, not the document's
  doc_.usePassword = usePassword;
  doc_.password = password;
  doc_.invoice.enabled = form.InvoiceOn();
  doc_.invoice.registrationNumber = form.RegistrationNumber();
  doc_.keepIssued = form.KeepIssuedOn();
  if (changed) doc_.MarkChanged();
}
