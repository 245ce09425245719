#include "cli.h"

#include <QFileInfo>
#include <QString>
#include <algorithm>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>

#include "data_file.h"
#include "file_error.h"
#include "json_export.h"
#include "json_import.h"
#include "list_output.h"
#include "sjis_codec.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  tenpo-cli export FILE [--password-stdin]\n"
    "      Prints the data file FILE as JSON (UTF-8) on standard output.\n"
    "  tenpo-cli import JSON OUT [--password-stdin]\n"
    "      Writes the data file OUT from the JSON file JSON. OUT is replaced only when\n"
    "      everything succeeded. When the JSON says \"password\": true, the file is\n"
    "      protected with the password read from standard input.\n"
    "  tenpo-cli sales FILE --by item|customer|date --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                  [--hide-zero] [--format json|csv] [--password-stdin]\n"
    "      Prints the sales by product, customer or day of the period (both days\n"
    "      included), rows and totals as the window shows them after 更新. --hide-zero\n"
    "      leaves out rows whose sales are 0.\n"
    "  tenpo-cli returns FILE --kind purchase|shipment --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                  [--subtotals] [--format json|csv] [--password-stdin]\n"
    "      Prints the return lines of the period per partner; --subtotals adds a\n"
    "      subtotal row after each partner's lines.\n"
    "\n"
    "  --format          json (the default) or csv (a header row, then the rows)\n"
    "  --password-stdin  read the password as one line of standard input (one try)\n"
    "  --help            show this text\n"
    "\n"
    "Exit status: 0 success, 1 refused (the reason on standard error), 2 bad usage.\n";

class Refusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Messages of the program may span lines; the tool says everything on one.
std::string OneLine(const QString& message) {
  QString s = message;
  s.replace(QStringLiteral("\r\n"), QString()).replace(QLatin1Char('\n'), QLatin1Char(' '));
  return s.toStdString();
}

std::string ReadPassword(std::istream& in) {
  std::string line;
  if (!std::getline(in, line)) throw Refusal("no password on standard input");
  if (!line.empty() && line.back() == '\r') line.pop_back();
  if (line.empty()) throw Refusal("the password is empty");
  const std::optional<std::string> sjis =
      ToSjis(QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())));
  if (!sjis) throw Refusal("the password holds characters that CP932 cannot hold");
  return *sjis;
}

Document OpenForExport(const std::string& file, bool passwordStdin, std::istream& in) {
  const QString path = QString::fromLocal8Bit(file.c_str());
  Document doc;
  int asked = 0;
  std::vector<QString> messages;
  const OpenPrompts prompts{[&]() -> std::optional<std::string> {
                              if (!passwordStdin || asked++ > 0) return std::nullopt;
                              return ReadPassword(in);
                            },
                            [&](const QString& m) { messages.push_back(m); }};
  try {
    if (OpenDocument(doc, path, prompts) == OpenResult::Opened) return doc;
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
  if (!messages.empty()) throw Refusal(OneLine(messages.front()));
  throw Refusal(OneLine(
      QStringLiteral(
          "【%1】はパスワードで保護されています。--password-stdin でパスワードを渡してください。")
          .arg(QFileInfo(path).fileName())));
}

void Export(const std::vector<std::string>& files, bool passwordStdin, std::istream& in,
            std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("export takes one FILE");
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  try {
    out << DocumentToJson(doc).dump(2) << '\n';
  } catch (const ExportError& e) {
    throw Refusal(std::string("cannot export ") + files[0] + ": " + e.what());
  }
}

Json ReadJson(const std::string& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) throw Refusal("cannot read " + file);
  try {
    return Json::parse(stream);
  } catch (const Json::exception& e) {
    throw Refusal(file + ": not readable JSON: " + e.what());
  }
}

void Import(const std::vector<std::string>& files, bool passwordStdin, std::istream& in) {
  if (files.size() != 2) throw std::invalid_argument("import takes JSON and OUT");
  Document doc;
  try {
    doc = JsonToDocument(ReadJson(files[0]));
  } catch (const ImportError& e) {
    throw Refusal(files[0] + ": " + e.what());
  }
  if (doc.usePassword) {
    if (!passwordStdin)
      throw Refusal("the JSON asks for a password: give it with --password-stdin");
    doc.password = ReadPassword(in);
  }
  try {
    SaveDocument(doc, QString::fromLocal8Bit(files[1].c_str()));
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
}

struct Options {
  std::vector<std::string> files;
  std::map<std::string, std::string> values;  // --by, --from, --to, --kind, --format
  bool passwordStdin = false;
  bool hideZero = false;
  bool subtotals = false;
};

const std::string& Value(const Options& o, const char* name) {
  const auto it = o.values.find(name);
  if (it == o.values.end()) throw std::invalid_argument(std::string("missing --") + name);
  return it->second;
}

SlipPeriod PeriodOf(const Options& o) {
  const std::optional<double> from = DateFromIso(Value(o, "from"));
  const std::optional<double> to = DateFromIso(Value(o, "to"));
  if (!from) throw std::invalid_argument("--from is not a day YYYY-MM-DD");
  if (!to) throw std::invalid_argument("--to is not a day YYYY-MM-DD");
  return {*from, *to};
}

bool CsvWanted(const Options& o) {
  const auto it = o.values.find("format");
  if (it == o.values.end() || it->second == "json") return false;
  if (it->second == "csv") return true;
  throw std::invalid_argument("--format is json or csv");
}

// Refuses the options a command has no use for.
void OnlyOptions(const Options& o, std::initializer_list<const char*> names, bool hideZero,
                 bool subtotals) {
  for (const auto& [name, value] : o.values) {
    if (std::find_if(names.begin(), names.end(), [&](const char* n) { return name == n; }) ==
        names.end()) {
      throw std::invalid_argument("--" + name + " does not apply here");
    }
  }
  if (o.hideZero && !hideZero) throw std::invalid_argument("--hide-zero does not apply here");
  if (o.subtotals && !subtotals) throw std::invalid_argument("--subtotals does not apply here");
}

void PrintList(const Json& list, bool csv, std::ostream& out) {
  if (csv) {
    out << RowsCsv(list);
  } else {
    out << list.dump(2) << '\n';
  }
}

Json Computed(const std::function<Json()>& compute) {
  try {
    return compute();
  } catch (const MoneyOverflow&) {
    throw Refusal("the sums leave the range of amounts");
  }
}

void Sales(const Options& o, std::istream& in, std::ostream& out) {
  if (o.files.size() != 1) throw std::invalid_argument("sales takes one FILE");
  OnlyOptions(o, {"by", "from", "to", "format"}, true, false);
  const std::string& byText = Value(o, "by");
  SalesBy by = SalesBy::Item;
  if (byText == "customer") {
    by = SalesBy::Customer;
  } else if (byText == "date") {
    by = SalesBy::Date;
  } else if (byText != "item") {
    throw std::invalid_argument("--by is item, customer or date");
  }
  const SlipPeriod period = PeriodOf(o);
  const bool csv = CsvWanted(o);
  const Document doc = OpenForExport(o.files[0], o.passwordStdin, in);
  PrintList(Computed([&] { return SalesJson(doc, by, period, o.hideZero); }), csv, out);
}

void Returns(const Options& o, std::istream& in, std::ostream& out) {
  if (o.files.size() != 1) throw std::invalid_argument("returns takes one FILE");
  OnlyOptions(o, {"kind", "from", "to", "format"}, false, true);
  const std::string& kindText = Value(o, "kind");
  if (kindText != "purchase" && kindText != "shipment") {
    throw std::invalid_argument("--kind is purchase or shipment");
  }
  const int kind = kindText == "shipment" ? kCustomerKind : kSupplierKind;
  const SlipPeriod period = PeriodOf(o);
  const bool csv = CsvWanted(o);
  const Document doc = OpenForExport(o.files[0], o.passwordStdin, in);
  PrintList(Computed([&] { return ReturnsJson(doc, kind, period, o.subtotals); }), csv, out);
}

// Options with a value take the next argument; anything else not starting with "--" is a
// command or file.
Options ParseOptions(const std::vector<std::string>& args) {
  static const char* const kValued[] = {"--by", "--from", "--to", "--kind", "--format"};
  Options o;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--password-stdin") {
      o.passwordStdin = true;
    } else if (a == "--hide-zero") {
      o.hideZero = true;
    } else if (a == "--subtotals") {
      o.subtotals = true;
    } else if (std::find(std::begin(kValued), std::end(kValued), a) != std::end(kValued)) {
      if (i + 1 >= args.size()) throw std::invalid_argument(a + " needs a value");
      o.values[a.substr(2)] = args[++i];
    } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
      throw std::invalid_argument("unknown option " + a);
    } else {
      o.files.push_back(a);
    }
  }
  return o;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      out << kUsage;
      return 0;
    }
  }
  try {
    Options o = ParseOptions(args);
    if (o.files.empty()) throw std::invalid_argument("no command");
    const std::string command = o.files.front();
    o.files.erase(o.files.begin());
    if (command == "export" || command == "import") {
      OnlyOptions(o, {}, false, false);
      if (command == "export") {
        Export(o.files, o.passwordStdin, in, out);
      } else {
        Import(o.files, o.passwordStdin, in);
      }
    } else if (command == "sales") {
      Sales(o, in, out);
    } else if (command == "returns") {
      Returns(o, in, out);
    } else {
      throw std::invalid_argument("unknown command " + command);
    }
    return 0;
  } catch (const std::invalid_argument& e) {
    err << "tenpo-cli: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::exception& e) {
    err << "tenpo-cli: " << e.what() << '\n';
    return 1;
  }
}
