#include "data_file.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <deque>
#include <functional>
#include <random>
#include <set>

#include "atomic_file.h"
#include "config.h"
#include "dates.h"
#include "field_io.h"
#include "file_error.h"

namespace {

std::string PlainFields(const std::vector<std::string>& texts) {
  ByteWriter w;
  for (const std::string& t : texts) WriteField(w, t, FieldKey());
  return w.Take();
}

// Reads fields until the end; fields from `firstKeyed` on are deciphered with `key`.
std::vector<std::string> FieldsOf(const std::string& bytes, size_t firstKeyed = 0,
                                  const std::string& key = "") {
  std::vector<std::string> out;
  ByteReader r(bytes);
  while (!r.AtEnd()) out.push_back(ReadField(r, out.size() >= firstKeyed ? key : ""));
  return out;
}

void WriteBytes(const QString& path, const std::string& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string ReadBytes(const QString& path) {
  return ReadWholeFile(path);
}

// Answers password prompts from a queue and records the messages.
struct Prompter {
  std::deque<std::optional<std::string>> answers;
  std::vector<QString> messages;
  int asked = 0;
  OpenPrompts Prompts() {
    return {[this]() -> std::optional<std::string> {
              ++asked;
              if (answers.empty()) return std::nullopt;
              auto a = answers.front();
              answers.pop_front();
              return a;
            },
            [this](const QString& m) { messages.push_back(m); }};
  }
};

class DataFileTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    ResetDocument(doc);
  }
  QString Path(const QString& name) const { return dir.filePath(name); }

  // A document with something in every list.
  static void Fill(Document& d) {
    d.company.name = "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0";
    d.company.closingDay = 20;
    d.company.rounding = 2;
    d.company.accountHolder = "holder";
    d.groups[0].Add("g1");
    d.groups[2].Rename(0, "none");
    d.units.Add("pc");
    d.taxes.Add(EncodeDate(2014, 4, 1), Money::FromInt(8));
    d.items.Add("C", "item", "kana", "pc", "1234.5678", "1", "1", "", 0, 1, 0, 0);
    CustomerRecord p;
    p.name = "partner";
    d.suppliers.Add(p);
    d.customers.Add(p);
    Slip s;
    s.kind = 1;
    s.date = EncodeDate(2026, 12, 8);
    s.AddLine("0", "100", "2.5", "");
    d.slips.Add(s);
    d.lineNotes.Add("note");
    d.receipts.Add(0, EncodeDate(2026, 12, 9), Money::FromInt(250), "");
    d.payments.Add(0, EncodeDate(2026, 12, 10), Money::FromInt(1), "x");
    d.useBackup = false;
  }

  QTemporaryDir dir;
  Document doc;
  Prompter prompter;
};

TEST_F(DataFileTest, NewDocumentIsWrittenFieldByField) {
  const std::string noneName = kGroupNoneName;
  std::vector<std::string> expected = {"TENPOLEDGER", "1.00", "0"};
  for (int i = 0; i < 7; ++i) expected.push_back("");
  for (int i = 0; i < 5; ++i) expected.push_back("0");
  for (int i = 0; i < 5; ++i) expected.push_back("");
  expected.push_back("-1");
  for (int i = 0; i < 3; ++i) expected.insert(expected.end(), {"1", "0", noneName});
  expected.push_back("0");
  expected.insert(expected.end(), {"2", "3", "32599", "35520", "5", "35521", "-1"});
  for (int i = 0; i < 7; ++i) expected.push_back("0");
  EXPECT_EQ(SerializeDocument(doc), PlainFields(expected));
  EXPECT_EQ(SerializeDocument(doc).substr(0, 4), std::string("\x0B\0\0\0", 4));
}

TEST_F(DataFileTest, PlainDocumentRoundTripsEverything) {
  Fill(doc);
  SaveDocument(doc, Path("a.tlg"));
  Document back;
  ResetDocument(back);
  ASSERT_EQ(OpenDocument(back, Path("a.tlg"), prompter.Prompts()), OpenResult::Opened);
  EXPECT_EQ(prompter.asked, 0);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(back.company, doc.company);
  EXPECT_FALSE(back.useBackup);  // the file's switch replaces the configuration's
  EXPECT_EQ(SerializeDocument(back), SerializeDocument(doc));
  EXPECT_EQ(back.groups[2].Get(0).name, "none");
  EXPECT_EQ(back.taxes.Count(), 3);
}

TEST_F(DataFileTest, PasswordFileKeepsTheHeaderPlainAndTheRestInBlocks) {
  Fill(doc);
  doc.usePassword = true;
  doc.password = "secret";
  const std::string bytes = SerializeDocument(doc);
  ByteReader r(bytes);
  EXPECT_EQ(ReadField(r, ""), "TENPOLEDGER");
  EXPECT_EQ(ReadField(r, ""), "1.00");
  EXPECT_EQ(ReadField(r, ""), "-1");
  int fields = 0;
  while (!r.AtEnd()) {
    const int32_t length = r.ReadInt32LE();
    ASSERT_GT(length, 0);
    ASSERT_EQ(length % 8, 0);
    r.ReadBytes(static_cast<size_t>(length));
    ++fields;
  }
  EXPECT_GT(fields, 40);
  // The stored password is the password enciphered with itself.
  EXPECT_EQ(FieldsOf(bytes, 3, "secret")[3], "secret");
  // Keying once per save gives the same bytes as keying every field.
  doc.usePassword = false;
  const std::vector<std::string> plain = FieldsOf(SerializeDocument(doc));
  std::vector<std::string> deciphered = FieldsOf(bytes, 3, "secret");
  deciphered.erase(deciphered.begin() + 3);
  deciphered[2] = "0";
  EXPECT_EQ(deciphered, plain);
}

TEST_F(DataFileTest, RightPasswordOnTheThirdTryOpens) {
  Fill(doc);
  doc.usePassword = true;
  doc.password = "secret";
  SaveDocument(doc, Path("p.tlg"));
  prompter.answers = {"wrong", "Secret", "secret"};
  Document back;
  ASSERT_EQ(OpenDocument(back, Path("p.tlg"), prompter.Prompts()), OpenResult::Opened);
  EXPECT_EQ(prompter.messages,
            (std::vector<QString>(2, QStringLiteral("パスワードが正しくありません。"))));
  EXPECT_TRUE(back.usePassword);
  EXPECT_EQ(back.password, "secret");
  EXPECT_EQ(SerializeDocument(back), SerializeDocument(doc));
}

TEST_F(DataFileTest, ThreeWrongPasswordsGiveUpAndCancelLeavesTheDocument) {
  doc.usePassword = true;
  doc.password = "secret";
  SaveDocument(doc, Path("p.tlg"));
  prompter.answers = {"a", "b", "c"};
  Document back;
  back.company.name = "untouched";
  EXPECT_EQ(OpenDocument(back, Path("p.tlg"), prompter.Prompts()), OpenResult::GiveUp);
  ASSERT_EQ(prompter.messages.size(), 4u);
  EXPECT_EQ(prompter.messages[3],
            QStringLiteral("パスワードの入力を一定回数以上間違えた為、ソフトを終了します。"));
  EXPECT_EQ(back.company.name, "untouched");

  Prompter cancel;
  cancel.answers = {"a"};  // then cancel
  EXPECT_EQ(OpenDocument(back, Path("p.tlg"), cancel.Prompts()), OpenResult::NotOpened);
  EXPECT_EQ(cancel.asked, 2);
  EXPECT_EQ(cancel.messages.size(), 1u);
  EXPECT_EQ(back.company.name, "untouched");
  EXPECT_FALSE(back.usePassword);
}

TEST_F(DataFileTest, SwitchingThePasswordOffWritesAPlainFile) {
  doc.usePassword = true;
  doc.password = "secret";
  const std::string locked = SerializeDocument(doc);
  doc.usePassword = false;
  doc.password.clear();
  const std::string plain = SerializeDocument(doc);
  EXPECT_EQ(FieldsOf(plain)[2], "0");
  EXPECT_EQ(FieldsOf(plain)[3], "");  // company name, no stored password field
  EXPECT_LT(plain.size(), locked.size());
  doc.usePassword = true;  // a switch without a password never locks the file
  EXPECT_EQ(SerializeDocument(doc), plain);
}

TEST_F(DataFileTest, ForeignFilesAreNotDataFiles) {
  const QString expected =
      QStringLiteral("【x.tlg】は、\r\nてんぽ帳 販売管理 のファイルではありません。");
  WriteBytes(Path("x.tlg"), PlainFields({"ABC"}));
  EXPECT_EQ(OpenDocument(doc, Path("x.tlg"), prompter.Prompts()), OpenResult::NotOpened);
  WriteBytes(Path("x.tlg"), std::string("\x40\0\0\0TENPO", 9));  // first field too long
  EXPECT_EQ(OpenDocument(doc, Path("x.tlg"), prompter.Prompts()), OpenResult::NotOpened);
  WriteBytes(Path("x.tlg"), "");
  EXPECT_EQ(OpenDocument(doc, Path("x.tlg"), prompter.Prompts()), OpenResult::NotOpened);
  EXPECT_EQ(prompter.messages, std::vector<QString>(3, expected));
  EXPECT_THROW(OpenDocument(doc, Path("missing.tlg"), prompter.Prompts()), FileError);
}

// Huge files are judged by their first bytes and their size, never read whole first: a
// 3 GB file of anything else is not a data file, and one that starts like a data file is
// too large to be one. (The files are sparse: they take no disk.)
TEST_F(DataFileTest, HugeFilesAreRefusedWithoutBeingRead) {
  const qint64 huge = qint64{3} << 30;
  const struct {
    std::string start;
    QString says;
  } cases[] = {
      {"junk", QStringLiteral("【big.tlg】は、\r\nてんぽ帳 販売管理 のファイルではありません。")},
      {SerializeDocument(doc),
       QStringLiteral("【big.tlg】は、\r\nデータファイルとしては大きすぎるため開けません。")},
  };
  for (const auto& c : cases) {
    WriteBytes(Path("big.tlg"), c.start);
    ASSERT_TRUE(QFile::resize(Path("big.tlg"), huge));
    prompter.messages.clear();
    EXPECT_EQ(OpenDocument(doc, Path("big.tlg"), prompter.Prompts()), OpenResult::NotOpened);
    EXPECT_EQ(prompter.messages, std::vector<QString>{c.says});
  }
}

TEST_F(DataFileTest, DamagedFilesAreRefusedWholeWherever) {
  Fill(doc);
  for (const std::string pw : {"", "pw"}) {
    doc.usePassword = !pw.empty();
    doc.password = pw;
    const std::string good = SerializeDocument(doc);
    const QString damaged =
        QStringLiteral("【d.tlg】は、\r\nファイルが破損しているため開けません。");
    // Cut anywhere after the identifier, or with one byte too many.
    std::vector<std::string> bad;
    for (size_t n = 15; n < good.size(); n += 3) bad.push_back(good.substr(0, n));
    bad.push_back(good + "x");
    for (const std::string& bytes : bad) {
      SCOPED_TRACE(bytes.size());
      WriteBytes(Path("d.tlg"), bytes);
      Prompter p;
      p.answers = {pw};
      Document back;
      ResetDocument(back);
      const std::string empty = SerializeDocument(back);
      ASSERT_EQ(OpenDocument(back, Path("d.tlg"), p.Prompts()), OpenResult::NotOpened);
      ASSERT_EQ(p.messages, std::vector<QString>{damaged});
      ASSERT_EQ(SerializeDocument(back), empty);
    }
  }
}

TEST_F(DataFileTest, InvoiceBlockIsWrittenOnlyWhenNeededAndRoundTrips) {
  Fill(doc);
  const std::string without = SerializeDocument(doc);
  const size_t listFields = FieldsOf(without).size();
  // Each setting alone brings the block; defaults leave the file as it was.
  const std::vector<std::function<void(InvoiceSettings&)>> changes = {
      [](InvoiceSettings& s) { s.enabled = true; },
      [](InvoiceSettings& s) { s.registrationNumber = "T1234567890123"; },
      [](InvoiceSettings& s) { s.reducedRates.SetRate(0, Money::FromInt(6)); },
      [](InvoiceSettings& s) { s.reducedItems = {0}; },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    SCOPED_TRACE(i);
    Document d = doc;
    changes[i](d.invoice);
    const std::string bytes = SerializeDocument(d);
    ASSERT_EQ(bytes.substr(0, without.size()), without);
    EXPECT_EQ(FieldsOf(bytes)[listFields], "TENPOEXT");
  }
  EXPECT_TRUE(doc.invoice.IsDefault());

  doc.invoice.enabled = true;
  doc.invoice.registrationNumber = "T1234567890123";
  doc.invoice.reducedItems = {7, 3};
  std::vector<std::string> tail = FieldsOf(SerializeDocument(doc));
  tail.erase(tail.begin(), tail.begin() + static_cast<long>(listFields));
  EXPECT_EQ(tail, (std::vector<std::string>{"TENPOEXT", "1", "-1", "T1234567890123", "1", "8",
                                            "43739", "-1", "2", "3", "7"}));

  for (const std::string pw : {"", "secret"}) {
    SCOPED_TRACE(pw);
    doc.usePassword = !pw.empty();
    doc.password = pw;
    SaveDocument(doc, Path("i.tlg"));
    Prompter p;
    p.answers = {pw};
    Document back;
    ResetDocument(back);
    ASSERT_EQ(OpenDocument(back, Path("i.tlg"), p.Prompts()), OpenResult::Opened);
    EXPECT_EQ(back.invoice.reducedItems, (std::set<int32_t>{3, 7}));
    EXPECT_EQ(SerializeDocument(back), ReadBytes(Path("i.tlg")));
    // The mark and version stay readable; what follows is keyed like the lists.
    if (!pw.empty()) {
      const std::string bytes = ReadBytes(Path("i.tlg"));
      EXPECT_NE(bytes.find("TENPOEXT"), std::string::npos);
      EXPECT_EQ(bytes.find("T1234567890123"), std::string::npos);
    }
  }
}

TEST_F(DataFileTest, TheKeepSwitchIsWrittenOnlyWhenOffAndComesBack) {
  Fill(doc);
  const std::string on = SerializeDocument(doc);
  const size_t listFields = FieldsOf(on).size();
  for (const bool qualified : {false, true}) {
    SCOPED_TRACE(qualified);
    Document d = doc;
    d.invoice.enabled = qualified;
    d.invoice.registrationNumber = qualified ? "T1234567890123" : "";
    // On, the default, writes what older versions wrote; off adds version 2 and the switch.
    const std::vector<std::string> withOn = FieldsOf(SerializeDocument(d));
    d.keepIssued = false;
    SaveDocument(d, Path("k.tlg"));
    std::vector<std::string> tail = FieldsOf(ReadBytes(Path("k.tlg")));
    ASSERT_EQ(tail.size(), withOn.size() + (qualified ? 1u : 10u));
    tail.erase(tail.begin(), tail.begin() + static_cast<long>(listFields));
    EXPECT_EQ(tail.front(), "TENPOEXT");
    EXPECT_EQ(tail[1], "2");
    EXPECT_EQ(tail.back(), "0");
    Prompter p;
    Document back;
    ResetDocument(back);
    ASSERT_EQ(OpenDocument(back, Path("k.tlg"), p.Prompts()), OpenResult::Opened);
    EXPECT_FALSE(back.keepIssued);
    EXPECT_EQ(back.invoice.enabled, qualified);
    EXPECT_EQ(SerializeDocument(back), ReadBytes(Path("k.tlg")));
  }
  EXPECT_EQ(FieldsOf(on).size(), listFields);
}

TEST_F(DataFileTest, ForeignOrDamagedTrailingBlocksAreDamage) {
  Fill(doc);
  const std::vector<std::string> lists = FieldsOf(SerializeDocument(doc));
  const std::vector<std::string> good = {"TENPOEXT", "1", "-1", "", "1", "8", "43739", "-1", "0"};
  // The good block opens; a wrong mark, version, value, count or anything more does not,
  // nor a block of defaults only, which is never written and would not come back as read.
  const std::vector<std::pair<std::vector<std::string>, bool>> cases = {
      {good, true},
      {{"TENPOEXX", "1", "-1", "", "1", "8", "43739", "-1", "0"}, false},
      {{"TENPOEXT", "2", "-1", "", "1", "8", "43739", "-1", "0"}, false},
      {{"TENPOEXT", "1", "yes", "", "1", "8", "43739", "-1", "0"}, false},
      {{"TENPOEXT", "1", "-1", "", "1", "8", "43739", "-1", "1"}, false},
      {{"TENPOEXT", "1", "-1", "", "1", "8", "43739", "-1", "2", "4", "4"}, false},
      {{"TENPOEXT", "1", "-1", "", "1", "8", "43739", "-1"}, false},
      {{"TENPOEXT", "1", "-1", "", "1", "8", "43739", "-1", "0", "TENPOEXT"}, false},
      {{"TENPOEXT", "1", "0", "", "1", "8", "43739", "-1", "0"}, false},
      {{"TENPOEXT", "2", "0", "", "1", "8", "43739", "-1", "0", "0"}, true},
      {{"TENPOEXT", "2", "0", "", "1", "8", "43739", "-1", "0", "-1"}, false},
      {{"x"}, false},
  };
  for (const auto& [block, opens] : cases) {
    SCOPED_TRACE(block.size());
    std::vector<std::string> fields = lists;
    fields.insert(fields.end(), block.begin(), block.end());
    WriteBytes(Path("d.tlg"), PlainFields(fields));
    Document back;
    Prompter p;
    EXPECT_EQ(OpenDocument(back, Path("d.tlg"), p.Prompts()) == OpenResult::Opened, opens);
    EXPECT_EQ(p.messages.size(), opens ? 0u : 1u);
  }
}

TEST_F(DataFileTest, UnparsableFieldsAndPartialBlocksAreDamage) {
  std::vector<std::string> fields = FieldsOf(SerializeDocument(doc));
  fields[10] = "zero";  // the closing day
  WriteBytes(Path("d.tlg"), PlainFields(fields));
  EXPECT_EQ(OpenDocument(doc, Path("d.tlg"), prompter.Prompts()), OpenResult::NotOpened);

  // A date is a number, but only one within the years 1 to 9999 is a day.
  const std::vector<std::string> good = FieldsOf(SerializeDocument(doc));
  ASSERT_EQ(good[33], "32599");  // the first tax rate's start
  for (const auto& [date, opens] :
       std::vector<std::pair<std::string, bool>>{{"1E300", false},
                                                 {"-1E300", false},
                                                 {"2958466", false},
                                                 {"-693594", false},
                                                 {"2958465.999999999", false},
                                                 {"2958465.99", true},
                                                 {"-693593", true}}) {
    SCOPED_TRACE(date);
    fields = good;
    fields[33] = date;
    WriteBytes(Path("d.tlg"), PlainFields(fields));
    Document back;
    EXPECT_EQ(OpenDocument(back, Path("d.tlg"), prompter.Prompts()) == OpenResult::Opened, opens);
  }

  doc.usePassword = true;
  doc.password = "pw";
  std::string bytes = SerializeDocument(doc);
  bytes[bytes.size() - 12] = 7;  // the last field's length: 8 becomes 7
  WriteBytes(Path("d.tlg"), bytes);
  prompter.answers = {"pw"};
  EXPECT_EQ(OpenDocument(doc, Path("d.tlg"), prompter.Prompts()), OpenResult::NotOpened);
  EXPECT_EQ(prompter.messages.size(), 7u);
}

TEST_F(DataFileTest, FailedSaveLeavesTheOldFileIntactAndSaysWhy) {
  SaveDocument(doc, Path("s.tlg"));
  const std::string before = ReadBytes(Path("s.tlg"));
  Fill(doc);
  const std::string bytes = SerializeDocument(doc);
  const auto failingWith = [](int error) -> ChunkWriter {
    return [error](int, const char*, size_t) -> ssize_t {
      errno = error;
      return -1;
    };
  };
  const auto message = [](const QString& path, const char* cause) {
    return QStringLiteral("ファイル \"%1\" を書き込めません。\n").arg(path) +
           QString::fromUtf8(cause);
  };
  const char* full = "ディスクの空き容量が足りません。";
  // A device that takes half of what it is given, as a full disk may, says nothing else.
  const ChunkWriter halfWrites = [](int fd, const char* data, size_t size) {
    return write(fd, data, size / 2);
  };
  const std::vector<std::pair<ChunkWriter, const char*>> cases = {
      {halfWrites, full},
      {failingWith(ENOSPC), full},
      {failingWith(EACCES), "保存先に書き込む権限がありません。"},
      {failingWith(EROFS), "保存先のディスクは読み取り専用です。"},
      {failingWith(EIO), "ディスクの読み書きに失敗しました。"},
  };
  for (const auto& [writer, cause] : cases) {
    SCOPED_TRACE(cause);
    try {
      WriteFileAtomically(Path("s.tlg"), bytes, writer);
      ADD_FAILURE() << "no error";
    } catch (const FileError& e) {
      EXPECT_EQ(e.Message(), message(Path("s.tlg"), cause));  // the user's file, not the temporary
    }
    EXPECT_EQ(ReadBytes(Path("s.tlg")), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);  // no leftovers
  }

  QFile::setPermissions(Path("s.tlg"), QFileDevice::ReadOwner);  // a read-only copy
  try {
    SaveDocument(doc, Path("s.tlg"));
    ADD_FAILURE() << "read-only file replaced";
  } catch (const FileError& e) {
    EXPECT_EQ(e.Message(), message(Path("s.tlg"), "読み取り専用のファイルです。"));
  }
  EXPECT_EQ(ReadBytes(Path("s.tlg")), before);
  try {
    SaveDocument(doc, Path("no/such/folder/s.tlg"));
    ADD_FAILURE() << "saved into a missing folder";
  } catch (const FileError& e) {
    EXPECT_EQ(e.Message(), message(Path("no/such/folder/s.tlg"), "保存先のフォルダがありません。"));
  }

  SaveDocument(doc, Path("t.tlg"));
  EXPECT_EQ(ReadBytes(Path("t.tlg")), SerializeDocument(doc));
}

// Saving through a link replaces the file the link points at, relative links and chains
// of links included, and the link stays a link.
TEST_F(DataFileTest, SavingThroughALinkReplacesTheFileItPointsAt) {
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("real")));
  SaveDocument(doc, Path("real/shop.TLG"));
  ASSERT_TRUE(QFile::link(QStringLiteral("real/shop.TLG"), Path("near.TLG")));  // relative
  ASSERT_TRUE(QFile::link(Path("near.TLG"), Path("far.TLG")));                  // a chain
  ASSERT_TRUE(QFile::link(QStringLiteral("real/new.TLG"), Path("dangling.TLG")));
  Fill(doc);
  for (const char* link : {"near.TLG", "far.TLG"}) {
    doc.company.tel = link;
    SaveDocument(doc, Path(link));
    EXPECT_TRUE(QFileInfo(Path(link)).isSymLink());
    EXPECT_EQ(ReadBytes(Path("real/shop.TLG")), SerializeDocument(doc));
  }
  SaveDocument(doc, Path("dangling.TLG"));
  EXPECT_TRUE(QFileInfo(Path("dangling.TLG")).isSymLink());
  EXPECT_EQ(ReadBytes(Path("real/new.TLG")), SerializeDocument(doc));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
  EXPECT_EQ(QDir(Path("real")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(DataFileTest, ResetEmptiesEverythingAndReadsTheBackupSwitch) {
  Fill(doc);
  doc.usePassword = true;
  doc.password = "pw";
  doc.filePath = "/x.tlg";
  WriteBackupSwitch(false);
  ResetDocument(doc);
  EXPECT_FALSE(doc.useBackup);
  EXPECT_FALSE(doc.usePassword);
  EXPECT_TRUE(doc.password.empty());
  EXPECT_TRUE(doc.filePath.isEmpty());
  EXPECT_EQ(doc.items.Count(), 0);
  EXPECT_EQ(doc.groups[0].Count(), 1);
  EXPECT_EQ(doc.taxes.Count(), 2);
  EXPECT_EQ(doc.company, CompanySettings{});
  WriteBackupSwitch(true);
  ResetDocument(doc);
  EXPECT_TRUE(doc.useBackup);
}

TEST(Config, FolderIsCreatedWholeAndSwitchDefaultsOn) {
  QTemporaryDir home;
  const QByteArray old = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  EXPECT_FALSE(QFileInfo::exists(home.filePath("Tsukue")));
  EXPECT_TRUE(ReadBackupSwitch());
  EXPECT_TRUE(QFileInfo::exists(home.filePath("Tsukue/TENPOLEDGER/TENPOLEDGER.ini")));
  QFile ini(ConfigFilePath());
  ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
  const QByteArray text = ini.readAll();
  EXPECT_TRUE(text.contains("[CONF]")) << text.constData();
  EXPECT_TRUE(text.contains("USEBACKUP=1")) << text.constData();
  ini.close();
  WriteBackupSwitch(false);
  EXPECT_FALSE(ReadBackupSwitch());
  ASSERT_TRUE(ini.open(QIODevice::WriteOnly | QIODevice::Truncate));
  ini.write("[CONF]\nUSEBACKUP=yes\n");
  ini.close();
  EXPECT_TRUE(ReadBackupSwitch());
  EXPECT_EQ(BackupFolder(), home.filePath("Tsukue/TENPOLEDGER/BackUp"));
  qputenv("XDG_DATA_HOME", old);
}

}  // namespace

namespace {

// Whatever bytes a damaged file holds, opening it either succeeds or refuses it with a
// message; it never crashes, hangs or allocates beyond the file (the sanitizer run checks).
TEST_F(DataFileTest, RandomDamageIsOpenedOrRefusedNeverFatal) {
  Fill(doc);
  std::mt19937 rng(12345);
  for (const std::string pw : {"", "pw"}) {
    doc.usePassword = !pw.empty();
    doc.password = pw;
    const std::string good = SerializeDocument(doc);
    std::uniform_int_distribution<size_t> at(0, good.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 300; ++round) {
      std::string bad = good;
      for (int flips = 1 + round % 4; flips > 0; --flips)
        bad[at(rng)] = static_cast<char>(byte(rng));
      WriteBytes(Path("r.tlg"), bad);
      Prompter p;
      p.answers = {pw, pw, pw};
      Document back;
      const OpenResult result = OpenDocument(back, Path("r.tlg"), p.Prompts());
      if (result != OpenResult::Opened) {
        ASSERT_FALSE(p.messages.empty()) << round;
      }
    }
  }
}

}  // namespace
