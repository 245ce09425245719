#include "data_file.h"

#include <QFileInfo>
#include <new>

#include "atomic_file.h"
#include "field_stream.h"
#include "file_error.h"
#include "number_text.h"

namespace {

QString NotDataFileMessage(const QString& name) {
  return QStringLiteral("【") + name + QStringLiteral("】は、\r\n") + QString::fromUtf8(kAppTitle) +
         QStringLiteral(" のファイルではありません。");
}

QString DamagedMessage(const QString& name) {
  return QStringLiteral("【") + name +
         QStringLiteral("】は、\r\nファイルが破損しているため開けません。");
}

// The lists in their fixed file order.
template <typename Doc, typename Fn>
void ForEachList(Doc& doc, Fn&& fn) {
  for (auto& g : doc.groups) fn(g);
  fn(doc.units);
  fn(doc.taxes);
  fn(doc.items);
  fn(doc.suppliers);
  fn(doc.customers);
  fn(doc.slips);
  fn(doc.lineNotes);
  fn(doc.receipts);
  fn(doc.payments);
}

void WriteSettings(FieldOut& out, const CompanySettings& c, bool useBackup) {
  for (const std::string* t :
       {&c.name, &c.postal, &c.address1, &c.address2, &c.person, &c.tel, &c.fax}) {
    out.Text(*t);
  }
  for (int32_t v : {c.closingDay, c.payMonth, c.payDay, c.decimals, c.rounding}) out.Int(v);
  for (const std::string* t :
       {&c.bankName, &c.bankBranch, &c.accountKind, &c.accountNumber, &c.accountHolder}) {
    out.Text(*t);
  }
  out.Bool(useBackup);
}

void ReadSettings(FieldIn& in, CompanySettings& c, bool& useBackup) {
  for (std::string* t : {&c.name, &c.postal, &c.address1, &c.address2, &c.person, &c.tel, &c.fax}) {
    *t = in.Text();
  }
  for (int32_t* v : {&c.closingDay, &c.payMonth, &c.payDay, &c.decimals, &c.rounding}) {
    *v = in.Int();
  }
  for (std::string* t :
       {&c.bankName, &c.bankBranch, &c.accountKind, &c.accountNumber, &c.accountHolder}) {
    *t = in.Text();
  }
  useBackup = in.Bool();
}

// Fields 5 on: settings, backup switch and the lists, then nothing or one invoice block.
bool ReadBody(ByteReader& reader, const FieldKey& key, Document& doc) {
  try {
    FieldIn in(reader, key);
    ReadSettings(in, doc.company, doc.useBackup);
  } catch (const std::exception&) {
    return false;
  }
  bool ok = true;
  ForEachList(doc, [&](auto& list) { ok = ok && list.LoadFromStream(reader, key); });
  if (!ok) return false;
  if (reader.AtEnd()) return true;
  return ReadInvoiceBlock(reader, key, doc.invoice, doc.keepIssued) && reader.AtEnd();
}

enum class PasswordCheck { Passed, Cancelled, Failed, Damaged };

// Up to three rounds; the stored password is read in the first round.
PasswordCheck CheckPassword(ByteReader& reader, const OpenPrompts& prompts, std::string& key) {
  std::string stored;
  for (int round = 1; round <= 3; ++round) {
    const std::optional<std::string> typed = prompts.askPassword();
    if (!typed) return PasswordCheck::Cancelled;
    if (round == 1) {
      try {
        stored = ReadField(reader, FieldKey());
      } catch (const std::exception&) {
        return PasswordCheck::Damaged;
      }
      if (stored.empty() || stored.size() % 8 != 0) return PasswordCheck::Damaged;
    }
    if (!typed->empty() && DecryptText(stored, *typed) == *typed) {
      key = *typed;
      return PasswordCheck::Passed;
    }
    prompts.showMessage(QStringLiteral("パスワードが正しくありません。"));
  }
  prompts.showMessage(prompts.giveUpMessage);
  return PasswordCheck::Failed;
}

}  // namespace

namespace {

void WriteDocument(const Document& doc, ByteWriter& w) {
  // A switch without a password would lock the file for good; such a document is plain.
  const bool protect = doc.usePassword && !doc.password.empty();
  const FieldKey plain;
  FieldOut head(w, plain);
  head.Text(kFileIdentifier);
  head.Text(kFileVersion);
  head.Bool(protect);
  const FieldKey key(protect ? doc.password : std::string());
  if (protect) WriteField(w, doc.password, key);
  FieldOut body(w, key);
  WriteSettings(body, doc.company, doc.useBackup);
  ForEachList(doc, [&](const auto& list) { list.SaveToStream(w, key); });
  // Left out at its defaults, so such files stay as older readers know them.
  if (!doc.invoice.IsDefault() || !doc.keepIssued) {
    WriteInvoiceBlock(w, key, doc.invoice, doc.keepIssued);
  }
}

}  // namespace

std::string SerializeDocument(const Document& doc) {
  ByteWriter counter = ByteWriter::Counter();
  WriteDocument(doc, counter);
  ByteWriter w;
  w.Reserve(counter.Size());
  WriteDocument(doc, w);
  return w.Take();
}

void SaveDocument(const Document& doc, const QString& path) {
  WriteFileAtomically(path, SerializeDocument(doc));
}

OpenResult OpenDocument(Document& doc, const QString& path, const OpenPrompts& prompts) {
  const QString name = QFileInfo(path).fileName();
  // The identifier first: a large file of anything else is refused without reading it.
  try {
    const std::string start = ReadFileStart(path, 4096);
    ByteReader head(start);
    if (ReadField(head, FieldKey()) != kFileIdentifier) {
      prompts.showMessage(NotDataFileMessage(name));
      return OpenResult::NotOpened;
    }
  } catch (const FileError&) {
    throw;
  } catch (const std::exception&) {
    prompts.showMessage(NotDataFileMessage(name));
    return OpenResult::NotOpened;
  }
  if (QFileInfo(path).size() > kMaxDataFileSize) {
    prompts.showMessage(
        QStringLiteral("【") + name +
        QStringLiteral("】は、\r\nデータファイルとしては大きすぎるため開けません。"));
    return OpenResult::NotOpened;
  }
  try {
    return OpenDocumentBytes(doc, ReadWholeFile(path), name, prompts);
  } catch (const std::bad_alloc&) {
    prompts.showMessage(QStringLiteral("メモリが不足しているため、【") + name +
                        QStringLiteral("】を開けません。"));
    return OpenResult::NotOpened;
  }
}

OpenResult OpenDocumentBytes(Document& doc, std::string_view bytes, const QString& name,
                             const OpenPrompts& prompts) {
  ByteReader reader(bytes);
  try {
    if (ReadField(reader, FieldKey()) != kFileIdentifier) {
      prompts.showMessage(NotDataFileMessage(name));
      return OpenResult::NotOpened;
    }
  } catch (const std::exception&) {
    prompts.showMessage(NotDataFileMessage(name));
    return OpenResult::NotOpened;
  }

  // Everything is read into a fresh document that replaces `doc` only when whole.
  Document loaded;
  try {
    ReadField(reader, FieldKey());  // the version: every version reads the same
    loaded.usePassword = TextToBool(ReadField(reader, FieldKey()));
  } catch (const std::exception&) {
    prompts.showMessage(DamagedMessage(name));
    return OpenResult::NotOpened;
  }
  if (loaded.usePassword) {
    switch (CheckPassword(reader, prompts, loaded.password)) {
      case PasswordCheck::Passed:
        break;
      case PasswordCheck::Cancelled:
        return OpenResult::NotOpened;
      case PasswordCheck::Failed:
        return OpenResult::GiveUp;
      case PasswordCheck::Damaged:
        prompts.showMessage(DamagedMessage(name));
        return OpenResult::NotOpened;
    }
  }
  if (!ReadBody(reader, FieldKey(loaded.password), loaded)) {
    prompts.showMessage(DamagedMessage(name));
    return OpenResult::NotOpened;
  }
  loaded.filePath = doc.filePath;
  doc = std::move(loaded);
  return OpenResult::Opened;
}
