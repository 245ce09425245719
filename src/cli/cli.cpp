#include "cli.h"

#include <QFileInfo>
#include <QString>
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli_pdf.h"
#include "data_file.h"
#include "file_error.h"
#include "json_export.h"
#include "json_import.h"
#include "pdf_output.h"
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
    "  tenpo-cli pdf items|suppliers|customers FILE --out OUT.pdf [--password-stdin]\n"
    "      Writes the product list or the supplier or customer list of FILE as an A4\n"
    "      PDF, as the list window prints it. OUT is replaced only when it was written\n"
    "      in full.\n"
    "\n"
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

void Pdf(const std::vector<std::string>& files, const std::string& outFile, bool passwordStdin,
         std::istream& in) {
  if (files.size() != 2) throw std::invalid_argument("pdf takes a document and FILE");
  if (outFile.empty()) throw std::invalid_argument("pdf needs --out OUT.pdf");
  const Document doc = OpenForExport(files[1], passwordStdin, in);
  const Report report = CliReport(doc, files[0]);
  if (report.pageCount == 0) throw Refusal(OneLine(QStringLiteral("印刷対象がありません。")));
  try {
    WritePdf(QString::fromLocal8Bit(outFile.c_str()), report,
             QString::fromUtf8(kAppTitle) + report.jobSuffix);
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  } catch (const PrintError& e) {
    throw Refusal(std::string("cannot write the PDF: ") + e.what());
  }
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
           std::ostream& err) {
  std::vector<std::string> files;
  bool passwordStdin = false;
  std::string outFile;
  bool outMissing = false;
  for (size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--out") {
      if (i + 1 < args.size()) {
        outFile = args[++i];
      } else {
        outMissing = true;
      }
      continue;
    }
    if (args[i] == "--help" || args[i] == "-h") {
      out << kUsage;
      return 0;
    }
    if (args[i] == "--password-stdin") {
      passwordStdin = true;
    } else {
      files.push_back(args[i]);
    }
  }
  try {
    if (files.empty()) throw std::invalid_argument("no command");
    if (outMissing) throw std::invalid_argument("--out needs a file name");
    const std::string command = files.front();
    files.erase(files.begin());
    if (command == "export") {
      Export(files, passwordStdin, in, out);
    } else if (command == "import") {
      Import(files, passwordStdin, in);
    } else if (command == "pdf") {
      Pdf(files, outFile, passwordStdin, in);
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
