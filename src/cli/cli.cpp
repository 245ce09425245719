#include "cli.h"

#include <QString>
#include <fstream>
#include <iostream>
#include <sstream>

#include "claims_command.h"
#include "cli_open.h"
#include "data_file.h"
#include "file_error.h"
#include "json_export.h"
#include "json_import.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  tenpo-cli export FILE [--password-stdin]\n"
    "      Prints the data file FILE as JSON (UTF-8) on standard output.\n"
    "  tenpo-cli import JSON OUT [--password-stdin]\n"
    "      Writes the data file OUT from the JSON file JSON. OUT is replaced only when\n"
    "      everything succeeded. When the JSON says \"password\": true, the file is\n"
    "      protected with the password read from standard input.\n"
    "  tenpo-cli claims FILE --kind customers|suppliers --month YYYY-MM [--format json|csv]\n"
    "      The claim list of the month (請求書作成 / 取引先別支払一覧) as the window fills it.\n"
    "  tenpo-cli claim-detail FILE --customer ID --month YYYY-MM [--format json|csv]\n"
    "      The invoice figures and rows of one customer for the month.\n"
    "\n"
    "  --password-stdin  read the password as one line of standard input (one try)\n"
    "  --kind            customers (請求書作成) or suppliers (取引先別支払一覧)\n"
    "  --month           the month billed, as YYYY-MM\n"
    "  --customer        the customer's id\n"
    "  --format          json (the default) or csv (UTF-8 with a header row)\n"
    "  --help            show this text\n"
    "\n"
    "Amounts are plain numbers (\"-1234.5\"), dates YYYY-MM-DD.\n"
    "Exit status: 0 success, 1 refused (the reason on standard error), 2 bad usage.\n";

// Options that take the next argument as their value.
bool IsValueOption(const std::string& arg) {
  return arg == "--kind" || arg == "--month" || arg == "--format" || arg == "--customer";
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

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  std::vector<std::string> files;
  bool passwordStdin = false;
  CliOptions options;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--help" || args[i] == "-h") {
      out << kUsage;
      return 0;
    }
    if (args[i] == "--password-stdin") {
      passwordStdin = true;
    } else if (IsValueOption(args[i])) {
      if (i + 1 >= args.size()) {
        err << "tenpo-cli: " << args[i] << " needs a value\n" << kUsage;
        return 2;
      }
      options[args[i].substr(2)] = args[i + 1];
      ++i;
    } else {
      files.push_back(args[i]);
    }
  }
  try {
    if (files.empty()) throw std::invalid_argument("no command");
    const std::string command = files.front();
    files.erase(files.begin());
    if (command == "export") {
      OnlyOptions(options, {});
      Export(files, passwordStdin, in, out);
    } else if (command == "import") {
      OnlyOptions(options, {});
      Import(files, passwordStdin, in);
    } else if (command == "claims") {
      ClaimsCommand(files, options, passwordStdin, in, out);
    } else if (command == "claim-detail") {
      ClaimDetailCommand(files, options, passwordStdin, in, out);
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
