#include "cli.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>

#include "atomic_file.h"
#include "build_info.h"
#include "data_file.h"
#include "dates.h"
#include "file_lock.h"
#include "json_in.h"
#include "sjis_codec.h"

namespace {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

CliRun Cli(const std::vector<std::string>& args, const std::string& input = "") {
  std::vector<std::string> all = {"tenpo-cli"};
  all.insert(all.end(), args.begin(), args.end());
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  CliRun r;
  r.status = RunCli(all, in, out, err);
  r.out = out.str();
  r.err = err.str();
  return r;
}

// Runs the built program; needed where it renders pages, which wants its own application.
CliRun CliProcess(const std::vector<std::string>& args) {
  QProcess process;
  QStringList list;
  for (const std::string& a : args) list << QString::fromStdString(a);
  process.start(QStringLiteral(TENPO_CLI_PATH), list);
  CliRun r;
  if (!process.waitForFinished(60000)) return r;
  r.status = process.exitCode();
  r.out = process.readAllStandardOutput().toStdString();
  r.err = process.readAllStandardError().toStdString();
  return r;
}

int Lines(const std::string& text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

class CliTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

  static Document Sample() {
    Document d;
    d.company.name = "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0\x82\xC4\x82\xF1\x82\xDB";  // 株式会社てんぽ
    d.company.closingDay = 20;
    d.company.payMonth = 1;
    d.company.bankName = "\x87\x40";      // ①, an NEC extension character
    d.groups[0].Add("\xB6\xDE\xD7\xBD");  // half-width katakana
    d.units.Add("\x8C\xC2");
    d.taxes.Add(EncodeDate(2014, 4, 1), Money::FromInt(8));
    d.items.Add("A-1", "item", "", "\x8C\xC2", "98.5", "60.1234", "1", "(note)", 0, 1, 0, 0);
    d.items.Add("A-2", "item2", "", "", "0", "0", "", "", 2, 0, 0, 0);
    CustomerRecord p;
    p.name = "supplier";
    p.openTime = EncodeTime(9, 5);
    d.suppliers.Add(p);
    p.name = "customer";
    p.basis = 1;
    p.openingBalance = MoneyFromText("-12.3456");
    d.customers.Add(p);
    d.customers.Add(p);
    d.customers.Delete(0);  // ids need not be positions
    Slip s;
    s.kind = kShipmentReturnSlip;
    s.date = EncodeDate(2026, 12, 8);
    s.partner = 1;
    s.number = "No,1";
    s.AddLine("1", "100", "2.25", "");
    s.AddLine("0", "-3", "1", "\x90\xC5\x8D\x9E");
    d.slips.Add(s);
    s.kind = kPurchaseSlip;
    s.partner = 0;
    d.slips.Add(s);
    d.lineNotes.Add("phrase");
    d.receipts.Add(1, EncodeDate(2026, 12, 31), Money::FromInt(1000), "r");
    d.payments.Add(0, EncodeDate(2027, 1, 1), Money::FromInt(5), "");
    d.useBackup = false;
    return d;
  }

  void Save(const Document& d, const char* name) {
    SaveDocument(d, QString::fromStdString(Path(name)));
  }

  void WriteText(const char* name, const std::string& text) {
    std::ofstream(Path(name), std::ios::binary) << text;
  }

  std::string Bytes(const char* name) const {
    return ReadWholeFile(QString::fromStdString(Path(name)));
  }

  // The sample's JSON with one change applied.
  std::string ChangedJson(const std::function<void(Json&)>& change) {
    Save(Sample(), "base.tlg");
    Json j = Json::parse(Cli({"export", Path("base.tlg")}).out);
    change(j);
    return j.dump();
  }

  // The sample's JSON with an invoice block of its own.
  std::string WithInvoice(bool enabled, const std::string& number, const std::vector<int>& items) {
    return ChangedJson([&](Json& j) {
      j["invoice"] = {{"enabled", enabled},
                      {"registrationNumber", number},
                      {"reducedRates", Json::array()},
                      {"reducedItems", items}};
    });
  }

  QTemporaryDir dir;
};

// Whatever a file holds that opens comes back byte for byte, out-of-range terms included.
TEST_F(CliTest, ExportThenImportGivesBackTheSameBytes) {
  Document odd = Sample();
  odd.company.closingDay = 99;
  odd.company.rounding = -1;
  Save(odd, "a.tlg");
  const CliRun exported = Cli({"export", Path("a.tlg")});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_TRUE(exported.err.empty());
  WriteText("a.json", exported.out);
  const CliRun imported = Cli({"import", Path("a.json"), Path("b.tlg")});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Bytes("b.tlg"), Bytes("a.tlg"));
}

TEST_F(CliTest, InvoiceBlockGoesOutAndComesBackPlainAndLocked) {
  Document d = Sample();
  d.invoice.enabled = true;
  d.invoice.registrationNumber = "T1234567890123";
  d.invoice.reducedItems = {1, 0};
  for (const std::string pw : {"", "pw"}) {
    SCOPED_TRACE(pw);
    d.usePassword = !pw.empty();
    d.password = pw;
    Save(d, "a.tlg");
    const std::vector<std::string> withPw =
        pw.empty() ? std::vector<std::string>{} : std::vector<std::string>{"--password-stdin"};
    std::vector<std::string> args = {"export", Path("a.tlg")};
    args.insert(args.end(), withPw.begin(), withPw.end());
    const CliRun exported = Cli(args, pw + "\n");
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(Json::parse(exported.out)["invoice"], Json::parse(R"json({"enabled": true,
        "registrationNumber": "T1234567890123",
        "reducedRates": [{"rate": "8", "start": "2019-10-01", "end": null}],
        "reducedItems": [0, 1]})json"));
    WriteText("a.json", exported.out);
    args = {"import", Path("a.json"), Path("b.tlg")};
    args.insert(args.end(), withPw.begin(), withPw.end());
    const CliRun imported = Cli(args, pw + "\n");
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Bytes("b.tlg"), Bytes("a.tlg"));
  }
  Save(Sample(), "c.tlg");
  EXPECT_FALSE(Json::parse(Cli({"export", Path("c.tlg")}).out).contains("invoice"));
}

TEST_F(CliTest, ExportShowsTheDocumentInReadableForm) {
  Save(Sample(), "a.tlg");
  const Json j = Json::parse(Cli({"export", Path("a.tlg")}).out);
  EXPECT_EQ(j["company"]["name"], "株式会社てんぽ");
  EXPECT_EQ(j["company"]["bankName"], "①");
  EXPECT_EQ(j["groups"][0][1]["name"], "ｶﾞﾗｽ");
  EXPECT_EQ(j["groups"][0][0]["name"], "指定なし");
  EXPECT_EQ(j["taxRates"][1]["end"], "2014-03-31");
  EXPECT_TRUE(j["taxRates"][2]["end"].is_null());
  EXPECT_EQ(j["items"][0]["cost"], "60.1234");
  EXPECT_EQ(j["suppliers"][0]["openTime"], "09:05");
  EXPECT_EQ(j["customers"][0]["id"], 1);
  EXPECT_EQ(j["slips"][0]["date"], "2026-12-08");
  EXPECT_EQ(j["slips"][0]["lines"][1]["note"], "税込");
  EXPECT_EQ(j["backup"], false);
  EXPECT_EQ(j["password"], false);
  std::vector<std::string> keys;
  for (const auto& [k, v] : j.items()) keys.push_back(k);
  EXPECT_EQ(keys, (std::vector<std::string>{"password", "company", "backup", "groups", "units",
                                            "taxRates", "items", "suppliers", "customers", "slips",
                                            "lineNotes", "receipts", "payments"}));
}

TEST_F(CliTest, PasswordFilesNeedTheRightPasswordOnce) {
  Document d = Sample();
  d.usePassword = true;
  d.password = "\x83\x70\x83\x58";  // パス
  Save(d, "p.tlg");
  const CliRun ok = Cli({"export", Path("p.tlg"), "--password-stdin"}, "パス\n");
  ASSERT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(Json::parse(ok.out)["password"], true);
  EXPECT_EQ(ok.out.find("パス\""), std::string::npos);  // never printed

  WriteText("p.json", ok.out);
  ASSERT_EQ(Cli({"import", Path("p.json"), Path("q.tlg"), "--password-stdin"}, "パス\r\n").status,
            0);
  EXPECT_EQ(Bytes("q.tlg"), Bytes("p.tlg"));

  const CliRun wrong = Cli({"export", Path("p.tlg"), "--password-stdin"}, "pass\n");
  EXPECT_EQ(wrong.status, 1);
  EXPECT_EQ(wrong.err, "tenpo-cli: パスワードが正しくありません。\n");
  EXPECT_TRUE(wrong.out.empty());
  const CliRun none = Cli({"export", Path("p.tlg")});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(Lines(none.err), 1);
  EXPECT_EQ(Cli({"import", Path("p.json"), Path("r.tlg")}).status, 1);
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("r.tlg"))));
}

TEST_F(CliTest, FilesThatAreNotWholeDataFilesAreRefusedWithTheProgramsMessage) {
  WriteText("x.tlg", "not a data file");
  CliRun r = Cli({"export", Path("x.tlg")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "tenpo-cli: 【x.tlg】は、てんぽ帳 販売管理 のファイルではありません。\n");

  Save(Sample(), "d.tlg");
  std::string bytes = Bytes("d.tlg");
  WriteText("d.tlg", bytes.substr(0, bytes.size() - 5));
  r = Cli({"export", Path("d.tlg")});
  EXPECT_EQ(r.err, "tenpo-cli: 【d.tlg】は、ファイルが破損しているため開けません。\n");
  EXPECT_TRUE(r.out.empty());

  r = Cli({"export", Path("missing.tlg")});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(Lines(r.err), 1);
}

TEST_F(CliTest, BadJsonIsRefusedAndTheOutputLeftAlone) {
  Save(Document(), "out.tlg");
  const std::string before = Bytes("out.tlg");
  struct Case {
    std::string json;
    std::string where;
  };
  const std::string deep = std::string(50000, '[') + std::string(50000, ']');
  const std::vector<Case> cases = {
      {"{not json", "not readable JSON"},
      // Deep nesting overflowed the parser's stack; inside a string it is only text.
      {"{\"a\":" + deep + ",\"b\":0}", "nested deeper than 16 levels"},
      {"{\"units\":" + deep + "}", "nested deeper than 16 levels"},
      {ChangedJson([](Json& j) { j.erase("units"); }), "missing key \"units\""},
      {ChangedJson([](Json& j) { j["company"]["payDay"] = "5"; }),
       "company.payDay: expected an integer"},
      {ChangedJson([](Json& j) { j["items"][0]["price"] = 98.5; }),
       "items[0].price: expected a string"},
      {ChangedJson([](Json& j) { j["items"][0]["price"] = "1,000"; }),
       "items[0].price: expected an amount"},
      {ChangedJson([](Json& j) { j["items"][0]["name"] = "😀"; }),
       "items[0].name: text that CP932 cannot hold"},
      {ChangedJson([](Json& j) { j["slips"][0]["date"] = "2026-02-30"; }),
       "slips[0].date: expected a date"},
      {ChangedJson([](Json& j) { j["slips"][0]["kind"] = 2147483648LL; }),
       "slips[0].kind: expected an integer from -2147483648 to 2147483647"},
      {ChangedJson([](Json& j) { j["items"][0]["price"] = "1.23456"; }),
       "items[0].price: expected an amount with at most four decimals"},
      {WithInvoice(true, "", {}), "invoice.registrationNumber: expected \"T\" and 13 digits"},
      {WithInvoice(false, "", {77}), "invoice.reducedItems[0]: no product with id 77"},
      {ChangedJson([](Json& j) { j["suppliers"][0]["openTime"] = "25:00"; }),
       "suppliers[0].openTime: expected a time"},
      {ChangedJson([](Json& j) { j["extra"] = 1; }), "unknown key \"extra\""},
      {ChangedJson([](Json& j) { j["groups"].erase(2); }), "groups: expected three"},
      {ChangedJson([](Json& j) { j["invoice"] = Json::object(); }),
       "invoice: missing key \"enabled\""},
      {WithInvoice(true, "T123456789012", {}),
       "invoice.registrationNumber: expected \"T\" and 13 digits"},
      {WithInvoice(false, "", {1, 1}), "invoice.reducedItems[1]: repeated product id"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.where);
    WriteText("bad.json", c.json);
    const CliRun r = Cli({"import", Path("bad.json"), Path("out.tlg")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find(c.where), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_EQ(Bytes("out.tlg"), before);
  }
  // Brackets inside a text are no nesting.
  WriteText("units.json", ChangedJson([](Json& j) { j["units"] = {std::string(40, '[')}; }));
  EXPECT_EQ(Cli({"import", Path("units.json"), Path("out.tlg")}).status, 0);
}

TEST_F(CliTest, ImportRefusesAFileInUseAndTakesOverALeftoverLock) {
  Save(Sample(), "a.tlg");
  WriteText("a.json", Cli({"export", Path("a.tlg")}).out);
  Save(Document(), "out.tlg");
  const std::string before = Bytes("out.tlg");
  const QString lockPath = LockPathFor(QString::fromStdString(Path("out.tlg")));
  QProcess other;
  other.start(QStringLiteral("sleep"), {QStringLiteral("30")});
  ASSERT_TRUE(other.waitForStarted());
  LockRecord theirs = ThisProcessRecord();
  theirs.holder.pid = other.processId();
  theirs.holder.program = QStringLiteral("sleep");
  theirs.holder.user = QStringLiteral("yamada");
  theirs.holder.since = QDateTime(QDate(2026, 12, 8), QTime(14, 32));
  QFile lock(lockPath);
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write(LockText(theirs));
  lock.close();

  const CliRun refused = Cli({"import", Path("a.json"), Path("out.tlg")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "tenpo-cli: ファイル \"" + Path("out.tlg") + "\" は yamada（" +
                             QSysInfo::machineHostName().toStdString() +
                             "）が 2026/12/08 14:32 から使用しています。\n");
  EXPECT_EQ(Bytes("out.tlg"), before);
  EXPECT_TRUE(QFile::exists(lockPath));

  // Its program gone, the lock is a leftover of this computer.
  other.kill();
  other.waitForFinished();
  const CliRun imported = Cli({"import", Path("a.json"), Path("out.tlg")});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Bytes("out.tlg"), Bytes("a.tlg"));
  EXPECT_FALSE(QFile::exists(lockPath));
}

// The windows delete a customer that has only receipts, a product used on no slip and a
// classification in use; such a file must still go out and come back byte for byte.
TEST_F(CliTest, DanglingReferencesAndRepeatedIdsComeBackAsTheyWere) {
  Document d = Sample();
  d.customers.Delete(0);  // slip 0 and the receipt now name no customer
  d.items.Delete(0);      // a slip line's product is gone
  d.groups[0].Delete(1);  // the other product's classification is gone
  d.payments.Add(0, EncodeDate(2027, 1, 2), Money::FromInt(6), "");
  std::vector<Payment> repeated = d.payments.Records();
  repeated[1].id = repeated[0].id;  // a damaged file may repeat an id; it still opens
  d.payments.AssignRecords(std::move(repeated));
  Save(d, "a.tlg");
  const CliRun exported = Cli({"export", Path("a.tlg")});
  ASSERT_EQ(exported.status, 0) << exported.err;
  WriteText("a.json", exported.out);
  const CliRun imported = Cli({"import", Path("a.json"), Path("b.tlg")});
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(Bytes("b.tlg"), Bytes("a.tlg"));
}

TEST_F(CliTest, DatesThatAreNotWholeDaysAreNotExportedLossily) {
  Document d;
  Slip s;
  s.date = EncodeDate(2026, 1, 1) + 0.5;
  d.slips.Add(s);
  Save(d, "t.tlg");
  const CliRun r = Cli({"export", Path("t.tlg")});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("slips[0].date"), std::string::npos) << r.err;
}

TEST_F(CliTest, UsageAndHelp) {
  const CliRun help = Cli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("tenpo-cli export FILE"), std::string::npos);
  EXPECT_NE(help.out.find("tenpo-cli import JSON OUT"), std::string::npos);
  EXPECT_NE(help.out.find("tenpo-cli archive search FILE"), std::string::npos);
  EXPECT_NE(help.out.find("A receipt without FILE keeps\n      nothing."), std::string::npos);
  EXPECT_EQ(Cli({}).status, 2);
  EXPECT_EQ(Cli({"frobnicate"}).status, 2);
  EXPECT_EQ(Cli({"export"}).status, 2);
  EXPECT_EQ(Cli({"import", "a.json"}).status, 2);
  // The version window shows the same text (checked with the window).
  const CliRun version = Cli({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tenpo-cli " + VersionText() + "\n");
  EXPECT_TRUE(std::regex_match(VersionText(), std::regex(R"(\d+\.\d+\.\d+ \(\d{4}-\d{2}-\d{2}\))")))
      << VersionText();
}

// Outputs go only over plain files; an unreadable input says why in the program's words,
// and standard error holds that one line even without a runtime folder (as under cron).
TEST_F(CliTest, OutputsOverPipesAndFoldersAsInputsAreRefusedInOneLine) {
  Save(Sample(), "a.tlg");
  WriteText("a.json", ChangedJson([](Json&) {}));
  ASSERT_EQ(mkfifo(Path("p.TLG").c_str(), 0600), 0);
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"import", Path("a.json"), Path("p.TLG")},
        {"pdf", "customers", Path("a.tlg"), "--out", Path("p.TLG")}}) {
    SCOPED_TRACE(args[0]);
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setProcessEnvironment(env);
    QStringList list;
    for (const std::string& a : args) list << QString::fromStdString(a);
    process.start(QStringLiteral(TENPO_CLI_PATH), list);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 1);
    const std::string err = process.readAllStandardError().toStdString();
    EXPECT_NE(err.find("通常のファイルではありません。"), std::string::npos) << err;
    EXPECT_EQ(Lines(err), 1) << err;
  }
  struct stat st {};
  ASSERT_EQ(stat(Path("p.TLG").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  const CliRun folder = Cli({"import", Path(""), Path("out.tlg")});
  EXPECT_EQ(folder.status, 1);
  EXPECT_NE(folder.err.find("フォルダはファイルとして開けません。"), std::string::npos)
      << folder.err;
  EXPECT_EQ(Lines(folder.err), 1) << folder.err;
}

// Lists no one needs are refused in Japanese before they take all the memory: a list by
// day of more than a hundred years, and a month whose billing period leaves the calendar.
TEST_F(CliTest, ListsBeyondAnyNeedAreRefused) {
  Save(Sample(), "a.tlg");
  const std::string file = Path("a.tlg");
  const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
      {{"sales", file, "--by", "date", "--from", "0001-01-01", "--to", "9999-12-31"},
       "日別の一覧は100年以内の期間で指定してください。"},
      {{"sales", file, "--by", "date", "--from", "1900-01-01", "--to", "2000-01-02", "--format",
        "csv"},
       "日別の一覧は100年以内の期間で指定してください。"},
      {{"claims", file, "--kind", "customers", "--month", "0001-01"},
       "請求の期間が西暦1年から9999年の範囲に収まりません。"},
  };
  for (const auto& [args, says] : cases) {
    SCOPED_TRACE(args[0] + " " + args[2]);
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.err, std::string("tenpo-cli: ") + says + "\n");
  }
  // A hundred years by day is still a list.
  EXPECT_EQ(Cli({"sales", file, "--by", "date", "--from", "1900-01-01", "--to", "1999-12-31",
                 "--format", "csv"})
                .status,
            0);
}

TEST_F(CliTest, TheProgramWritesJsonToStandardOutput) {
  Save(Sample(), "a.tlg");
  QProcess process;
  process.start(QStringLiteral(TENPO_CLI_PATH),
                {QStringLiteral("export"), QString::fromStdString(Path("a.tlg"))});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  const Json j = Json::parse(process.readAllStandardOutput().toStdString());
  EXPECT_EQ(j["company"]["name"], "株式会社てんぽ");
}

std::string Sjis(const char* utf8) {
  return ToSjis(QString::fromUtf8(utf8)).value();
}

// One customer's shipments and a return over two tax rates, a product that no longer
// exists, and slips of other partners and of the other mode that must not show.
class CliSlipsTest : public CliTest {
 protected:
  void SetUp() override {
    CliTest::SetUp();
    Document d;
    d.useBackup = false;
    d.taxes.Add(EncodeDate(2024, 4, 5), Money::FromInt(10));
    d.items.Add("A-1", Sjis("鉛筆"), "", Sjis("本"), "100", "0", "", "", 0, 0, 0, 0);
    d.items.Add("B-2", Sjis("ノート"), "", Sjis("冊"), "98.5", "0", "", "", 1, 0, 0, 0);
    CustomerRecord c;
    c.name = Sjis("山田商店");
    c.rounding = 2;
    d.customers.Add(c);  // id 0
    c.name = "other";
    d.customers.Add(c);  // id 1
    d.suppliers.Add(c);  // supplier id 0
    AddSlip(d, 1, EncodeDate(2024, 4, 5), 0, "A-1",
            {{"0", "100", "3", Sjis("(特価)")}, {"1", "98.5", "2", ""}});
    AddSlip(d, 3, EncodeDate(2024, 4, 1), 0, "R,\"1\"", {{"0", "33.33", "1", ""}});
    AddSlip(d, 1, EncodeDate(2024, 5, 10), 0, "", {{"9", "10", "1", "gone"}});
    AddSlip(d, 0, EncodeDate(2024, 4, 5), 0, "P", {{"0", "1", "1", ""}});
    AddSlip(d, 1, EncodeDate(2024, 4, 5), 1, "O", {{"0", "1", "1", ""}});
    Save(d, "s.tlg");
  }
  static void AddSlip(Document& d, int kind, double date, int32_t partner, const char* number,
                      const std::vector<std::vector<std::string>>& lines) {
    Slip s;
    s.kind = kind;
    s.date = date;
    s.partner = partner;
    s.number = number;
    for (const auto& l : lines) s.AddLine(l[0], l[1], l[2], l[3]);
    d.slips.Add(s);
  }
};

TEST_F(CliSlipsTest, JsonListsThePartnersSlipsInTheWindowsOrderWithTheirLines) {
  const CliRun r = Cli({"slips", Path("s.tlg"), "--kind", "shipment", "--partner", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.err.empty());
  // The return is dated before the 10 % rate: 33.33 -> 33 -> 34.65 -> 35.
  const Json expected = Json::parse(R"json({
    "kind": "shipment", "partner": {"id": 0, "name": "山田商店"}, "from": null, "to": null,
    "slips": [
      {"id": 1, "date": "2024-04-01", "number": "R,\"1\"", "kind": 3, "total": "-35",
       "lines": [{"item": 0, "code": "A-1", "name": "鉛筆", "quantity": "1", "unit": "本",
                  "price": "33.33", "amount": "33", "note": ""}]},
      {"id": 0, "date": "2024-04-05", "number": "A-1", "kind": 1, "total": "527",
       "lines": [{"item": 0, "code": "A-1", "name": "鉛筆", "quantity": "3", "unit": "本",
                  "price": "100", "amount": "300", "note": "(特価)"},
                 {"item": 1, "code": "B-2", "name": "ノート", "quantity": "2", "unit": "冊",
                  "price": "98.5", "amount": "197", "note": ""}]},
      {"id": 2, "date": "2024-05-10", "number": "", "kind": 1, "total": "10",
       "lines": [{"item": 9, "code": "", "name": "", "quantity": "1", "unit": "",
                  "price": "10", "amount": "10", "note": "gone"}]}],
    "total": "502"})json");
  EXPECT_EQ(Json::parse(r.out), expected) << r.out;

  const CliRun period = Cli({"slips", Path("s.tlg"), "--kind", "shipment", "--partner", "0",
                             "--from", "2024-04-05", "--to", "2024-05-10"});
  ASSERT_EQ(period.status, 0) << period.err;
  const Json p = Json::parse(period.out);
  EXPECT_EQ(p["from"], "2024-04-05");
  EXPECT_EQ(p["to"], "2024-05-10");
  EXPECT_EQ(p["slips"].size(), 2u);
  EXPECT_EQ(p["total"], "537");

  const Json purchase =
      Json::parse(Cli({"slips", Path("s.tlg"), "--kind", "purchase", "--partner", "0"}).out);
  EXPECT_EQ(purchase["slips"].size(), 1u);
  EXPECT_EQ(purchase["total"], "1");
}

TEST_F(CliSlipsTest, CsvHasOneQuotedRowPerSlip) {
  const CliRun r =
      Cli({"slips", Path("s.tlg"), "--format", "csv", "--kind", "shipment", "--partner", "0"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "id,date,number,kind,total\n"
            "1,2024-04-01,\"R,\"\"1\"\"\",3,-35\n"
            "0,2024-04-05,A-1,1,527\n"
            "2,2024-05-10,,1,10\n");
}

// Stored text that is not CP932 (a damaged file) is refused by every command that would
// print it, naming the record, never printed as replacement marks.
TEST_F(CliSlipsTest, TextThatIsNotCp932IsRefusedNamingTheRecord) {
  Document d;
  d.useBackup = false;
  d.items.Add("A-1", "\xFF\xFE", "", Sjis("本"), "100", "0", "", "", 0, 0, 0, 0);
  CustomerRecord c;
  c.name = Sjis("山田商店");
  d.customers.Add(c);
  AddSlip(d, 1, EncodeDate(2024, 4, 5), 0, "A-1", {{"0", "100", "3", ""}});
  Save(d, "bad.tlg");
  const std::string file = Path("bad.tlg");
  const std::vector<std::pair<std::vector<std::string>, const char*>> cases = {
      {{"claim-detail", file, "--customer", "0", "--month", "2024-04"}, "claim detail row "},
      {{"claim-detail", file, "--customer", "0", "--month", "2024-04", "--format", "csv"},
       "claim detail row "},
      {{"sales", file, "--by", "item", "--from", "2024-04-01", "--to", "2024-05-31"},
       "product 0 name"},
      {{"sales", file, "--by", "item", "--from", "2024-04-01", "--to", "2024-05-31", "--format",
        "csv"},
       "product 0 name"},
      {{"pdf", "invoice", file, "--customer", "0", "--month", "2024-04", "--out", Path("i.pdf")},
       "claim detail row "},
  };
  for (const auto& [args, names] : cases) {
    SCOPED_TRACE(args[0] + " " + args.back());
    const CliRun r = Cli(args);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(names), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("not CP932"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
  }
  EXPECT_FALSE(QFile::exists(QString::fromStdString(Path("i.pdf"))));
}

TEST_F(CliSlipsTest, RefusalsAndUsageErrorsPrintNothing) {
  struct Case {
    std::vector<std::string> args;
    int status;
    const char* says;
  };
  const std::string file = Path("s.tlg");
  const std::vector<Case> cases = {
      {{"slips", file, "--kind", "shipment", "--partner", "7"}, 1, "no customer with id 7"},
      {{"slips", file, "--kind", "purchase", "--partner", "1"}, 1, "no supplier with id 1"},
      {{"slips", Path("missing.tlg"), "--kind", "shipment", "--partner", "0"}, 1, ""},
      {{"slips", file, "--kind", "sale", "--partner", "0"}, 2, "--kind"},
      {{"slips", file, "--kind", "shipment"}, 2, "--partner"},
      {{"slips", file, "--kind", "shipment", "--partner", "x1"}, 2, "--partner"},
      {{"slips", file, "--kind", "shipment", "--partner", "0", "--from", "2024-04-01"},
       2,
       "--from and --to"},
      {{"slips", file, "--kind", "shipment", "--partner", "0", "--from", "2024-02-30", "--to",
        "2024-03-01"},
       2,
       "--from expects"},
      {{"slips", file, "--kind", "shipment", "--partner", "0", "--format", "xml"}, 2, "--format"},
      {{"export", file, "--kind", "shipment"}, 2, "export takes no --kind"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.says);
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    if (c.status == 1) {
      EXPECT_EQ(Lines(r.err), 1) << r.err;
    }
  }
  EXPECT_NE(Cli({"--help"}).out.find("tenpo-cli slips FILE --kind purchase|shipment"),
            std::string::npos);
}

// One customer billed on the 20th, paid the month after at its end; a tax change, a
// return and receipts on both sides of the period.
Document BillingSample() {
  Document d;
  d.useBackup = false;
  d.taxes.Add(EncodeDate(2019, 10, 1), Money::FromInt(10));
  d.items.Add("A", "\x83\x8A\x83\x93\x83\x53", "", "\x8C\xC2", "100", "0", "", "", 0, 0, 0, 0);
  d.items.Add("B", "gift, boxed", "", "box", "100", "0", "", "", 1, 0, 0, 0);
  CustomerRecord c;
  c.name = "\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0\x82\xC4\x82\xF1\x82\xDB";  // 株式会社てんぽ
  c.closingDay = 20;
  c.payMonth = 1;
  c.openingBalance = Money::FromInt(500);
  d.customers.Add(c);
  c.name = "idle";
  c.openingBalance = Money{};
  d.customers.Add(c);
  Slip s;
  s.kind = kShipmentSlip;
  s.partner = 0;
  s.date = EncodeDate(2024, 3, 20);  // March's period
  s.number = "S1";
  s.AddLine("0", "1000", "1", "");
  d.slips.Add(s);
  s.ClearLines();
  s.date = EncodeDate(2024, 4, 20);  // April's, on the closing date
  s.number = "S2";
  s.AddLine("0", "98", "3", "first");
  s.AddLine("1", "1100", "1", "");
  d.slips.Add(s);
  s.ClearLines();
  s.kind = kShipmentReturnSlip;
  s.date = EncodeDate(2024, 4, 1);
  s.number = "R1";
  s.AddLine("0", "100", "2", "");
  d.slips.Add(s);
  d.receipts.Add(0, EncodeDate(2024, 3, 25), Money::FromInt(1000), "bank");
  d.receipts.Add(0, EncodeDate(2024, 3, 10), Money::FromInt(600), "");
  return d;
}

TEST_F(CliTest, ClaimsShowsTheClaimListOfTheMonth) {
  Save(BillingSample(), "b.tlg");
  const CliRun json = Cli({"claims", Path("b.tlg"), "--kind", "customers", "--month", "2024-04"});
  ASSERT_EQ(json.status, 0) << json.err;
  // Sp = 500 + 1100, Sc = Sp + 323 + 1100 - 220; Pp = 600, Pc = 1600.
  const Json want = Json::parse(R"({"kind": "customers", "month": "2024-04", "rows": [
      {"id": 0, "name": "株式会社てんぽ", "amount": "1203", "closingDay": "20日",
       "due": "05月31日", "closingDate": "2024-04-20", "previousClosingDate": "2024-03-20",
       "sales": {"previous": "1600", "current": "2803"},
       "payments": {"previous": "600", "current": "1600"}}]})");
  EXPECT_EQ(Json::parse(json.out), want);
  const CliRun csv = Cli(
      {"claims", Path("b.tlg"), "--kind", "customers", "--month", "2024-04", "--format", "csv"});
  EXPECT_EQ(csv.out, "id,name,amount,closingDay,due\n0,株式会社てんぽ,1203,20日,05月31日\n");
  const CliRun suppliers =
      Cli({"claims", Path("b.tlg"), "--kind", "suppliers", "--month", "2024-04"});
  EXPECT_EQ(Json::parse(suppliers.out)["rows"], Json::array());
}

TEST_F(CliTest, ClaimDetailShowsTheInvoiceFiguresAndRows) {
  Save(BillingSample(), "b.tlg");
  const CliRun json = Cli({"claim-detail", Path("b.tlg"), "--customer", "0", "--month", "2024-04"});
  ASSERT_EQ(json.status, 0) << json.err;
  const Json want = Json::parse(R"({"customer": {"id": 0, "name": "株式会社てんぽ"},
      "month": "2024-04", "closingDate": "2024-04-20", "previousClosingDate": "2024-03-20",
      "previousBalance": "1000", "received": "1000", "carriedOver": "0", "sales": "1194",
      "tax": "109", "salesWithTax": "1203", "claimed": "1203", "rows": [
      {"date": "2024-04-01", "number": "R1", "name": "リンゴ", "quantity": "-2", "unit": "個",
       "price": "100", "amount": "-200", "note": ""},
      {"date": "2024-04-20", "number": "S2", "name": "リンゴ", "quantity": "3", "unit": "個",
       "price": "98", "amount": "294", "note": "first"},
      {"date": "", "number": "", "name": "gift, boxed", "quantity": "1", "unit": "box",
       "price": "1100", "amount": "1100", "note": ""},
      {"date": "2024-03-25", "number": "", "name": "ご入金", "quantity": "", "unit": "",
       "price": "", "amount": "1000", "note": "bank"}]})");
  EXPECT_EQ(Json::parse(json.out), want);
  const CliRun csv = Cli(
      {"claim-detail", Path("b.tlg"), "--customer", "0", "--month", "2024-04", "--format", "csv"});
  EXPECT_EQ(csv.out,
            "date,number,name,quantity,unit,price,amount,note\n"
            "2024-04-01,R1,リンゴ,-2,個,100,-200,\n"
            "2024-04-20,S2,リンゴ,3,個,98,294,first\n"
            ",,\"gift, boxed\",1,box,1100,1100,\n"
            "2024-03-25,,ご入金,,,,1000,bank\n");
}

// With qualified invoices the slips and the detail carry their tax per rate; the apple is
// food, so 8 %, and its tax is rounded down once per slip.
TEST_F(CliTest, QualifiedInvoicesListTheTaxPerRate) {
  Document d = BillingSample();
  d.invoice.enabled = true;
  d.invoice.registrationNumber = "T1234567890123";
  d.invoice.reducedItems = {0};
  Save(d, "q.tlg");
  const CliRun detail =
      Cli({"claim-detail", Path("q.tlg"), "--customer", "0", "--month", "2024-04"});
  ASSERT_EQ(detail.status, 0) << detail.err;
  const Json j = Json::parse(detail.out);
  EXPECT_EQ(j["taxes"], Json::parse(R"([{"rate": "10", "base": "1000", "tax": "100"},
                                         {"rate": "8", "base": "94", "tax": "7"}])"));
  EXPECT_EQ(j["tax"], "107");  // 23.52 -> 23 on S2, less 16 on R1, and 100 inside
  EXPECT_EQ(j["salesWithTax"], "1201");

  const CliRun slips = Cli({"slips", Path("q.tlg"), "--kind", "shipment", "--partner", "0"});
  ASSERT_EQ(slips.status, 0) << slips.err;
  const Json list = Json::parse(slips.out)["slips"];
  ASSERT_EQ(list.size(), 3u);
  const char* const want[][2] = {{"1080", R"([{"rate": "8", "base": "1000", "tax": "80"}])"},
                                 {"-216", R"([{"rate": "8", "base": "-200", "tax": "-16"}])"},
                                 {"1417", R"([{"rate": "10", "base": "1000", "tax": "100"},
                   {"rate": "8", "base": "294", "tax": "23"}])"}};
  for (size_t i = 0; i < list.size(); ++i) {
    EXPECT_EQ(list[i]["total"], want[i][0]);
    EXPECT_EQ(list[i]["taxes"], Json::parse(want[i][1]));
  }
}

// --bom and --crlf change only the mark and the line ends; without --format csv they are a
// usage error.
TEST_F(CliTest, CsvStyleOptionsChangeOnlyTheMarkAndLineEnds) {
  Save(BillingSample(), "b.tlg");
  const std::vector<std::string> claims = {"claims",  Path("b.tlg"), "--kind",   "customers",
                                           "--month", "2024-04",     "--format", "csv"};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = claims;
    args.insert(args.end(), extra.begin(), extra.end());
    return Cli(args);
  };
  EXPECT_EQ(with({"--bom", "--crlf"}).out,
            "\xEF\xBB\xBFid,name,amount,closingDay,due\r\n0,株式会社てんぽ,1203,20日,05月31日\r\n");
  EXPECT_EQ(with({"--crlf"}).out,
            "id,name,amount,closingDay,due\r\n0,株式会社てんぽ,1203,20日,05月31日\r\n");
  EXPECT_EQ(with({"--bom"}).out.rfind("\xEF\xBB\xBFid,", 0), 0U);
  const CliRun slips = Cli({"slips", Path("b.tlg"), "--kind", "shipment", "--partner", "0",
                            "--format", "csv", "--crlf"});
  ASSERT_EQ(slips.status, 0) << slips.err;
  EXPECT_EQ(slips.out.rfind("id,date,number,kind,total\r\n", 0), 0U);
  const std::vector<std::vector<std::string>> jsonRuns = {
      {"claims", Path("b.tlg"), "--kind", "customers", "--month", "2024-04"},
      {"sales", Path("b.tlg"), "--by", "item", "--from", "2024-04-01", "--to", "2024-04-30"},
      {"returns", Path("b.tlg"), "--kind", "shipment", "--from", "2024-04-01", "--to",
       "2024-04-30"}};
  for (std::vector<std::string> args : jsonRuns) {
    ASSERT_EQ(Cli(args).status, 0) << args[0];
    args.push_back("--bom");
    const CliRun refused = Cli(args);
    EXPECT_EQ(refused.status, 2) << args[0];
    EXPECT_NE(refused.err.find("--bom and --crlf go with --format csv"), std::string::npos);
    EXPECT_EQ(refused.out, "") << args[0];
  }
  EXPECT_EQ(Cli({"export", Path("b.tlg"), "--crlf"}).status, 2);
  // --as-shown is the window's own CSV: no format options beside it, and only for lists.
  const CliRun shown =
      Cli({"claims", Path("b.tlg"), "--kind", "customers", "--month", "2024-04", "--as-shown"});
  EXPECT_EQ(
      shown.out,
      "\xEF\xBB\xBF得意先名,請求金額,締日,支払予定\r\n株式会社てんぽ,1203,20日,2024/05/31\r\n");
  EXPECT_EQ(with({"--as-shown"}).status, 2);
  EXPECT_EQ(Cli({"export", Path("b.tlg"), "--as-shown"}).status, 2);
}

TEST_F(CliTest, ClaimCommandsRefuseBadArgumentsAndWriteNothing) {
  Save(BillingSample(), "b.tlg");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const std::string file = Path("b.tlg");
  const Case cases[] = {
      {{"claims", file, "--kind", "partners", "--month", "2024-04"}, 2},
      {{"claims", file, "--kind", "customers"}, 2},
      {{"claims", file, "--kind", "customers", "--month", "2024-13"}, 2},
      {{"claims", file, "--kind", "customers", "--month", "2024-4"}, 2},
      {{"claims", file, "--kind", "customers", "--month", "2024-04", "--format", "xml"}, 2},
      {{"claims", file, "--kind", "customers", "--month"}, 2},
      {{"claims", file, "--customer", "0", "--kind", "customers", "--month", "2024-04"}, 2},
      {{"claim-detail", file, "--customer", "x", "--month", "2024-04"}, 2},
      {{"export", file, "--month", "2024-04"}, 2},
      {{"claim-detail", file, "--customer", "7", "--month", "2024-04"}, 1},
      {{"claims", Path("missing.tlg"), "--kind", "customers", "--month", "2024-04"}, 1},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[2] << " " << r.err;
    EXPECT_EQ(r.out, "");
  }
  Document huge = BillingSample();
  CustomerRecord c = huge.customers.Get(0);
  c.openingBalance = Money::FromRaw(INT64_MAX);
  huge.customers.AssignRecords({c});
  Save(huge, "huge.tlg");
  const CliRun overflow =
      Cli({"claims", Path("huge.tlg"), "--kind", "customers", "--month", "2024-04"});
  EXPECT_EQ(overflow.status, 1);
  EXPECT_EQ(overflow.out, "");
  EXPECT_EQ(Lines(overflow.err), 1);
}

// Runs tenpo-cli pdf without a display and returns the text of the PDF it wrote.
QString PdfTextOf(const QStringList& args, const QString& out) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  process.setProcessEnvironment(env);
  process.start(QStringLiteral(TENPO_CLI_PATH),
                QStringList{"pdf"} + args + QStringList{"--out", out});
  if (!process.waitForFinished(60000) || process.exitCode() != 0) {
    ADD_FAILURE() << process.readAllStandardError().toStdString();
    return {};
  }
  QProcess text;
  text.start(QStringLiteral("pdftotext"), {out, QStringLiteral("-")});
  text.waitForFinished(60000);
  return QString::fromUtf8(text.readAllStandardOutput());
}

TEST_F(CliTest, PdfOfAPartnerListIsRealTextWithoutADisplay) {
  Save(Sample(), "a.tlg");
  const QString text = PdfTextOf({"customers", QString::fromStdString(Path("a.tlg"))},
                                 dir.filePath("customers.pdf"));
  EXPECT_TRUE(text.contains(QStringLiteral("出荷先一覧"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("customer"))) << text.toStdString();
}

TEST_F(CliTest, PdfOfADeliveryNoteShowsThePartnerAndTheAmounts) {
  Save(Sample(), "a.tlg");
  const QString text =
      PdfTextOf({"delivery-note", QString::fromStdString(Path("a.tlg")), "--slip", "0"},
                dir.filePath("note.pdf"));
  for (const QString& expected : {QStringLiteral("customer"), QStringLiteral("御中"),
                                  QStringLiteral("-\\225"), QStringLiteral("No,1")}) {
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in " << text.toStdString();
  }
}

TEST_F(CliTest, PdfOfAQualifiedDeliveryNoteShowsTheRegistrationMarksAndRates) {
  Document d = Sample();
  d.taxes.Add(EncodeDate(2019, 10, 1), Money::FromInt(10));
  d.invoice.enabled = true;
  d.invoice.registrationNumber = "T1234567890123";
  d.invoice.reducedItems = {0};
  Save(d, "q.tlg");
  const QString text =
      PdfTextOf({"delivery-note", QString::fromStdString(Path("q.tlg")), "--slip", "0"},
                dir.filePath("q.pdf"));
  for (const QString& expected :
       {QStringLiteral("登録番号 T1234567890123"), QStringLiteral("※は軽減税率対象商品"),
        QStringLiteral("対象額（税抜）"), QStringLiteral("8%")}) {
    EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << " in " << text.toStdString();
  }
}

TEST_F(CliTest, PdfRefusalsWriteNothing) {
  Document empty;
  Save(empty, "e.tlg");
  Save(Sample(), "a.tlg");
  const std::string out = Path("x.pdf");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  for (const Case& k :
       {Case{{"pdf", "customers", Path("e.tlg"), "--out", out}, 1},
        Case{{"pdf", "customers", Path("missing.tlg"), "--out", out}, 1},
        Case{{"pdf", "customers", Path("a.tlg")}, 2},
        Case{{"pdf", "customers", Path("a.tlg"), "--out"}, 2},
        Case{{"pdf", "claims", Path("a.tlg"), "--out", out}, 2},
        Case{{"pdf", "delivery-note", Path("a.tlg"), "--out", out}, 2},
        Case{{"pdf", "delivery-note", Path("a.tlg"), "--slip", "99", "--out", out}, 1},
        Case{{"pdf", "items", Path("a.tlg"), "--slip", "0", "--out", out}, 2}}) {
    const CliRun r = Cli(k.args);
    EXPECT_EQ(r.status, k.status) << k.args[1] << " " << r.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
  }
}

TEST_F(CliTest, PdfOfTheSalesAndReturnListsPrintsTheirPeriodRowsAndTotals) {
  Save(Sample(), "a.tlg");
  const QString file = QString::fromStdString(Path("a.tlg"));
  const QString returns = PdfTextOf({"returns", file, "--kind", "shipment", "--from", "2026-12-01",
                                     "--to", "2026-12-31", "--subtotals"},
                                    dir.filePath("returns.pdf"));
  for (const QString& expected :
       {QStringLiteral("返品明細一覧"), QStringLiteral("2026/12/01"), QStringLiteral("2026/12/31"),
        QStringLiteral("小計"), QStringLiteral("数量合計"), QStringLiteral("2026/12/08")}) {
    EXPECT_TRUE(returns.contains(expected))
        << expected.toStdString() << " in " << returns.toStdString();
  }
  const QString days =
      PdfTextOf({"sales", file, "--by", "date", "--from", "2026-12-07", "--to", "2026-12-08"},
                dir.filePath("days.pdf"));
  for (const QString& expected : {QStringLiteral("日付別一覧"), QStringLiteral("2026/12/07"),
                                  QStringLiteral("売上合計"), QStringLiteral("粗利益合計")}) {
    EXPECT_TRUE(days.contains(expected)) << expected.toStdString() << " in " << days.toStdString();
  }
}

TEST_F(CliTest, PdfOfAPeriodListRefusesAnEmptyListAndWrongOptions) {
  Save(Sample(), "a.tlg");
  const std::string out = Path("x.pdf");
  const std::string a = Path("a.tlg");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  for (const Case& k :
       {Case{{"pdf", "sales", a, "--by", "item", "--from", "2020-01-01", "--to", "2020-01-31",
              "--hide-zero", "--out", out},
             1},
        Case{{"pdf", "returns", a, "--kind", "purchase", "--from", "2020-01-01", "--to",
              "2020-01-31", "--out", out},
             1},
        Case{{"pdf", "sales", a, "--by", "week", "--from", "2026-12-01", "--to", "2026-12-31",
              "--out", out},
             2},
        Case{{"pdf", "sales", a, "--by", "item", "--from", "2026-12-01", "--out", out}, 2},
        Case{{"pdf", "returns", a, "--kind", "shipment", "--from", "2026-12-01", "--to",
              "2026-12-31", "--slip", "0", "--out", out},
             2}}) {
    const CliRun r = Cli(k.args);
    EXPECT_EQ(r.status, k.status) << k.args[1] << " " << r.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
  }
}

// The billing documents: the invoice carries the claim's figures, the list its rows, the
// receipt what the options say.
TEST_F(CliTest, PdfOfTheInvoiceTheClaimsAndAReceipt) {
  Save(Sample(), "a.tlg");
  const QString file = QString::fromStdString(Path("a.tlg"));
  const QString invoice =
      PdfTextOf({"invoice", file, "--customer", "1", "--month", "2026-12"}, dir.filePath("i.pdf"));
  const CliRun detail =
      Cli({"claim-detail", Path("a.tlg"), "--customer", "1", "--month", "2026-12"});
  ASSERT_EQ(detail.status, 0);
  for (const QString& expected : {QStringLiteral("請求書"), QStringLiteral("customer 御中"),
                                  QStringLiteral("12/08"), QStringLiteral("No,1")}) {
    EXPECT_TRUE(invoice.contains(expected)) << expected.toStdString() << invoice.toStdString();
  }
  const QString claims = PdfTextOf({"claims", file, "--kind", "customers", "--month", "2026-12"},
                                   dir.filePath("c.pdf"));
  EXPECT_TRUE(claims.contains(QStringLiteral("入金確認一覧"))) << claims.toStdString();
  EXPECT_TRUE(claims.contains(QStringLiteral("2026年12月"))) << claims.toStdString();
  const QString receipt =
      PdfTextOf({"receipt", "--to", QStringLiteral("山田商店"), "--amount", "12345.678", "--date",
                 "2024-04-05", "--honorific", QStringLiteral("様"), "--note",
                 QStringLiteral("但し、お品代として"), file},
                dir.filePath("r.pdf"));
  for (const QString& expected :
       {QStringLiteral("領収書（控）"), QStringLiteral("山田商店"), QStringLiteral("12,345.67"),
        QStringLiteral("但し、お品代として"), QStringLiteral("2024 年 04 月 05 日")}) {
    EXPECT_TRUE(receipt.contains(expected)) << expected.toStdString() << receipt.toStdString();
  }
}

TEST_F(CliTest, BillingPdfRefusalsWriteNothing) {
  Save(Sample(), "a.tlg");
  const std::string out = Path("x.pdf");
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const std::vector<std::string> receipt{"pdf",    "receipt",    "--to",  "A",
                                         "--date", "2024-04-05", "--out", out};
  auto with = [&](std::vector<std::string> extra) {
    std::vector<std::string> args = receipt;
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
  };
  for (const Case& k :
       {Case{{"pdf", "invoice", Path("a.tlg"), "--customer", "7", "--month", "2026-12", "--out",
              out},
             1},
        Case{{"pdf", "invoice", Path("a.tlg"), "--month", "2026-12", "--out", out}, 2},
        Case{{"pdf", "claims", Path("a.tlg"), "--kind", "all", "--month", "2026-12", "--out", out},
             2},
        Case{with({"--amount", "abc"}), 2}, Case{with({"--amount", "1", "--title", "x"}), 2},
        Case{with({"--amount", "1", "--honorific", "さん"}), 2},
        Case{with({"--amount", "1", "--note", "\xF0\x9F\x98\x80"}), 1},
        Case{with({"--amount", "1", "--slip", "0"}), 2}, Case{receipt, 2}}) {
    const CliRun r = Cli(k.args);
    EXPECT_EQ(r.status, k.status) << k.args[1] << " " << r.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
  }
}

}  // namespace

// An invoice and a delivery note written with pdf are kept beside the data file, found by
// archive search and checked by archive verify; a receipt without a data file keeps nothing.
TEST_F(CliTest, IssuedPdfsAreKeptSearchableAndVerified) {
  Save(BillingSample(), "b.tlg");
  const std::vector<std::vector<std::string>> issues = {
      {"pdf", "invoice", Path("b.tlg"), "--customer", "0", "--month", "2024-04", "--out",
       Path("i.pdf")},
      {"pdf", "delivery-note", Path("b.tlg"), "--slip", "1", "--out", Path("d.pdf")},
      {"pdf", "invoice", Path("b.tlg"), "--customer", "0", "--month", "2024-04", "--out",
       Path("i2.pdf")},
      {"pdf", "receipt", "--to", "walk-in", "--amount", "500", "--date", "2024-04-02", "--out",
       Path("r.pdf")},
      {"pdf", "receipt", "--to", "山田", "--amount", "1,500", "--date", "2024-04-03", "--out",
       Path("r2.pdf"), Path("b.tlg")}};
  for (const auto& args : issues) {
    const CliRun run = CliProcess(args);
    ASSERT_EQ(run.status, 0) << run.err;
  }
  const CliRun all = Cli({"archive", "search", Path("b.tlg")});
  ASSERT_EQ(all.status, 0) << all.err;
  const Json found = Json::parse(all.out);
  ASSERT_EQ(found.size(), 4u);  // the receipt without a data file is not kept
  EXPECT_EQ(found[0]["kind"], "invoice");
  EXPECT_EQ(found[0]["date"], "2024-04-20");
  EXPECT_EQ(found[0]["amount"], "1203");
  EXPECT_EQ(found[0]["partner"]["name"], "株式会社てんぽ");
  EXPECT_EQ(found[0]["status"], "発行");
  EXPECT_EQ(found[0]["file"], "2024/04/20240420_株式会社てんぽ_請求書_1203.pdf");
  EXPECT_EQ(found[1]["kind"], "delivery-note");
  EXPECT_EQ(found[2]["status"], "再発行");
  EXPECT_EQ(found[3]["kind"], "receipt");
  EXPECT_EQ(found[3]["amount"], "1500");
  EXPECT_EQ(found[3]["partner"]["name"], "山田");
  EXPECT_EQ(found[3]["date"], "2024-04-03");
  QFile kept(dir.filePath("b_発行書類/2024/04/20240420_株式会社てんぽ_請求書_1203.pdf"));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll().toStdString(), ReadWholeFile(dir.filePath("i.pdf")));

  const CliRun some = Cli({"archive", "search", Path("b.tlg"), "--kind", "delivery-note", "--min",
                           "0", "--max", "100000", "--format", "csv"});
  ASSERT_EQ(some.status, 0) << some.err;
  EXPECT_EQ(std::count(some.out.begin(), some.out.end(), '\n'), 2);
  EXPECT_EQ(Cli({"archive", "search", Path("b.tlg"), "--from", "2025-01-01"}).out, "[]\n");
  EXPECT_EQ(Cli({"archive", "search", Path("b.tlg"), "--kind", "memo"}).status, 2);

  const CliRun verified = Cli({"archive", "verify", Path("b.tlg")});
  EXPECT_EQ(verified.status, 0) << verified.err;
  EXPECT_EQ(verified.out, "改ざんは見つかりませんでした。（4 件）\n");
  ASSERT_TRUE(kept.remove());
  const CliRun broken = Cli({"archive", "verify", Path("b.tlg")});
  EXPECT_EQ(broken.status, 1);
  EXPECT_NE(broken.err.find("1 件目の書類がありません"), std::string::npos) << broken.err;

  // The file's switch off: the PDF is written, nothing is kept.
  Document off = BillingSample();
  off.keepIssued = false;
  Save(off, "off.tlg");
  EXPECT_EQ(CliProcess({"pdf", "invoice", Path("off.tlg"), "--customer", "0", "--month", "2024-04",
                        "--out", Path("o.pdf")})
                .status,
            0);
  EXPECT_TRUE(QFile::exists(dir.filePath("o.pdf")));
  EXPECT_FALSE(QFile::exists(dir.filePath("off_発行書類")));
}

namespace {

TEST_F(CliTest, ImportCsvChecksEveryRowAndStoresAllOrNothing) {
  Save(Sample(), "a.tlg");
  const std::string before = ReadWholeFile(dir.filePath("a.tlg"));
  WriteText("bad.csv", "取引先名,締日\nさくら,20\nひまわり,35\n");
  const CliRun dry = Cli(
      {"import-csv", Path("a.tlg"), "--into", "customers", "--csv", Path("bad.csv"), "--dry-run"});
  EXPECT_EQ(dry.status, 1);
  const Json preview = Json::parse(dry.out);
  EXPECT_EQ(preview["rows"].size(), 1u);
  EXPECT_EQ(preview["errors"][0]["row"], 3);
  EXPECT_EQ(preview["errors"][0]["column"], "締日");
  const CliRun refused =
      Cli({"import-csv", Path("a.tlg"), "--into", "customers", "--csv", Path("bad.csv")});
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find("3 行目: 締日「35」は 1〜28、月末 のいずれかで入力してください。"),
            std::string::npos)
      << refused.err;
  EXPECT_EQ(ReadWholeFile(dir.filePath("a.tlg")), before);

  WriteText("good.csv", "\xEF\xBB\xBF取引先名,締日,支払日\r\nさくら,20,翌月末\r\n");
  const CliRun stored =
      Cli({"import-csv", Path("a.tlg"), "--into", "customers", "--csv", Path("good.csv")});
  ASSERT_EQ(stored.status, 0) << stored.err;
  EXPECT_EQ(stored.out, "1 件を追加、0 件を更新しました。\n");
  const Json customers = Json::parse(Cli({"export", Path("a.tlg")}).out)["customers"];
  EXPECT_EQ(customers.back()["name"], "さくら");
  EXPECT_EQ(customers.back()["closingDay"], 20);
  EXPECT_EQ(
      Cli({"import-csv", Path("a.tlg"), "--into", "customers", "--csv", Path("good.csv")}).status,
      1);  // the name is there now
  EXPECT_EQ(Cli({"import-csv", Path("a.tlg"), "--csv", Path("good.csv")}).status, 2);
  EXPECT_EQ(Cli({"import-csv", Path("a.tlg"), "--into", "slips", "--csv", Path("good.csv")}).status,
            2);
}

}  // namespace

namespace {

// The trend holds every customer's twelve months from the start month, and the same rows
// as CSV; a year that starts in April puts March of the year before into `previous`.
TEST_F(CliTest, TrendGivesTheMonthsOfTheFiscalYearAsJsonAndCsv) {
  Save(BillingSample(), "b.tlg");
  const CliRun calendar =
      Cli({"trend", Path("b.tlg"), "--of", "sales", "--by", "partner", "--year", "2024"});
  ASSERT_EQ(calendar.status, 0) << calendar.err;
  const Json c = Json::parse(calendar.out);
  EXPECT_EQ(c["startMonth"], 1);
  ASSERT_EQ(c["rows"].size(), 2u);
  EXPECT_EQ(c["rows"][0]["months"].size(), 12u);
  EXPECT_EQ(c["rows"][0]["months"][2], "1000");  // March
  const Json april = Json::parse(Cli({"trend", Path("b.tlg"), "--of", "sales", "--by", "total",
                                      "--year", "2024", "--start-month", "4"})
                                     .out);
  EXPECT_EQ(april["rows"], Json::array());
  EXPECT_EQ(april["total"]["previous"], "1000");
  Money months;
  for (const Json& m : april["total"]["months"]) {
    months = months + MoneyFromText(m.get<std::string>());
  }
  EXPECT_EQ(MoneyToText(months), april["total"]["total"].get<std::string>());

  const CliRun csv = Cli({"trend", Path("b.tlg"), "--of", "sales", "--by", "partner", "--year",
                          "2024", "--format", "csv"});
  ASSERT_EQ(csv.status, 0);
  EXPECT_EQ(csv.out.substr(0, csv.out.find('\n')),
            "id,name,2024-01,2024-02,2024-03,2024-04,2024-05,2024-06,2024-07,2024-08,2024-09,"
            "2024-10,2024-11,2024-12,total,previous,ratio");
  EXPECT_EQ(Lines(csv.out), 4);  // header, two customers, the total
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--of", "sales", "--by", "partner"},
        {"--of", "sales", "--by", "partner", "--year", "2024", "--start-month", "13"},
        {"--of", "stock", "--by", "partner", "--year", "2024"},
        {"--of", "sales", "--by", "day", "--year", "2024"}}) {
    std::vector<std::string> args = {"trend", Path("b.tlg")};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(Cli(args).status, 2);
  }
}

}  // namespace
