#include "cli.h"

#include <QString>
#include <cctype>
#include <climits>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <new>
#include <sstream>

#include "archive_command.h"
#include "archive_folder.h"
#include "archive_issue.h"
#include "atomic_file.h"
#include "build_info.h"
#include "claims_command.h"
#include "cli_open.h"
#include "cli_options.h"
#include "cli_pdf.h"
#include "csv_import_command.h"
#include "data_file.h"
#include "dates.h"
#include "file_error.h"
#include "file_lock.h"
#include "iso_text.h"
#include "json_export.h"
#include "json_import.h"
#include "pdf_billing.h"
#include "pdf_output.h"
#include "period_pdf.h"
#include "sales_command.h"
#include "sjis_codec.h"
#include "slip_list_output.h"
#include "trend_command.h"
#include "trend_report.h"

namespace {

const char kUsage[] =
    "Usage:\n"
    "  tenpo-cli export FILE [--password-stdin]\n"
    "      Prints the data file FILE as JSON (UTF-8) on standard output.\n"
    "  tenpo-cli import JSON OUT [--password-stdin]\n"
    "      Writes the data file OUT from the JSON file JSON. OUT is replaced only when\n"
    "      everything succeeded. When the JSON says \"password\": true, the file is\n"
    "      protected with the password read from standard input. Refused while another\n"
    "      program or computer has OUT open.\n"
    "  tenpo-cli slips FILE --kind purchase|shipment --partner ID\n"
    "                [--from YYYY-MM-DD --to YYYY-MM-DD] [--format json|csv | --as-shown]\n"
    "                [--password-stdin]\n"
    "      Prints one partner's slip list as the slip list window shows it: oldest first,\n"
    "      each slip's total with tax (negative for returns). With both dates only the\n"
    "      slips of that period, both days included. JSON (the default) also gives each\n"
    "      slip's lines; CSV has a header row and one row per slip: id,date,number,kind,total.\n"
    "  tenpo-cli claims FILE --kind customers|suppliers --month YYYY-MM\n"
    "                [--format json|csv | --as-shown] [--password-stdin]\n"
    "      The claim list of the month (請求書作成 / 取引先別支払一覧) as the window fills it.\n"
    "  tenpo-cli claim-detail FILE --customer ID --month YYYY-MM\n"
    "                [--format json|csv | --as-shown] [--password-stdin]\n"
    "      The invoice figures and rows of one customer for the month.\n"
    "  tenpo-cli sales FILE --by item|customer|date --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                  [--hide-zero] [--format json|csv | --as-shown] [--password-stdin]\n"
    "      Prints the sales by product, customer or day of the period (both days\n"
    "      included), rows and totals as the window shows them after 更新. --hide-zero\n"
    "      leaves out rows whose sales are 0.\n"
    "  tenpo-cli returns FILE --kind purchase|shipment --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                  [--subtotals] [--format json|csv | --as-shown] [--password-stdin]\n"
    "      Prints the return lines of the period per partner; --subtotals adds a\n"
    "      subtotal row after each partner's lines.\n"
    "  With --format csv, --bom starts the output with a UTF-8 byte-order mark and --crlf\n"
    "  ends its lines with CR LF.\n"
    "  --as-shown (slips, claims, claim-detail, sales, returns) prints instead the CSV the\n"
    "  list's window saves with \"CSVで保存…\": its columns under its captions, values as\n"
    "  shown (dates with their year, 出荷/返品 as words), amounts without grouping commas;\n"
    "  UTF-8 with a byte-order mark, lines ending in CR LF.\n"
    "  tenpo-cli pdf items|suppliers|customers FILE --out OUT.pdf [--password-stdin]\n"
    "  tenpo-cli pdf delivery-note FILE --slip ID --out OUT.pdf [--password-stdin]\n"
    "  tenpo-cli pdf invoice FILE --customer ID --month YYYY-MM --out OUT.pdf\n"
    "                [--password-stdin]\n"
    "  tenpo-cli pdf claims FILE --kind customers|suppliers --month YYYY-MM --out OUT.pdf\n"
    "                [--password-stdin]\n"
    "  tenpo-cli pdf receipt --to NAME --amount N --date YYYY-MM-DD [--no TEXT]\n"
    "          [--title 領収書|領収証] [--honorific 様|御中|殿|行] [--note TEXT]\n"
    "          --out OUT.pdf [FILE [--password-stdin]]\n"
    "      Writes the product list, the supplier or customer list, or the delivery note\n"
    "      of one slip as an A4 PDF, as its window prints it with the options it starts\n"
    "      with. OUT is replaced only when it was written in full.\n"
    "      A delivery note, an invoice, and a receipt given FILE are issued documents:\n"
    "      unless FILE's settings say otherwise, each is first kept, as the very PDF\n"
    "      written, in the folder beside FILE (FILE \"shop.TLG\" keeps in\n"
    "      \"shop_発行書類\") with an entry in its index. A receipt without FILE keeps\n"
    "      nothing.\n"
    "  tenpo-cli pdf sales FILE --by item|customer|date --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                [--hide-zero] --out OUT.pdf [--password-stdin]\n"
    "  tenpo-cli pdf returns FILE --kind purchase|shipment --from YYYY-MM-DD --to YYYY-MM-DD\n"
    "                [--subtotals] --out OUT.pdf [--password-stdin]\n"
    "      Writes the sales analysis or the return list of the period as its window prints\n"
    "      it after 更新 with those filters.\n"
    "  tenpo-cli trend FILE --of sales|purchases --by partner|item|total --year YYYY\n"
    "                [--start-month M] [--format json|csv] [--password-stdin]\n"
    "      月別推移: net sales (shipments less returns) or purchases without tax, per month\n"
    "      of the twelve months from M/YYYY (M is 1 unless given), per customer or\n"
    "      supplier, per product, or in total, with the year's total, the twelve months\n"
    "      before (previous) and their ratio in percent (null when previous is 0).\n"
    "  tenpo-cli pdf trend FILE --of … --by … --year YYYY [--start-month M] --out OUT.pdf\n"
    "      The 月別推移表 on A4 landscape: the chart of the total against the year before,\n"
    "      then every row.\n"
    "  tenpo-cli import-csv FILE --into items|suppliers|customers --csv IN.csv [--update]\n"
    "                [--dry-run] [--password-stdin]\n"
    "      Brings products, suppliers or customers into FILE from a spreadsheet's CSV\n"
    "      (UTF-8 with or without BOM, or Shift_JIS; the header row names the columns, as\n"
    "      the list windows' CSV does). Nothing is stored unless every row is good; the\n"
    "      refused rows are listed with their row (the header is row 1) and column.\n"
    "      --update updates a product with the same code or a partner with the same name\n"
    "      in place instead of refusing it; --dry-run prints the rows as they would be\n"
    "      stored and the problems as JSON and changes nothing (exit status 1 when any\n"
    "      row is refused).\n"
    "  tenpo-cli archive search FILE [--from YYYY-MM-DD --to YYYY-MM-DD] [--min N --max N]\n"
    "                [--partner TEXT] [--kind delivery-note|invoice|receipt]\n"
    "                [--format json|csv]\n"
    "      Prints the documents kept beside FILE that meet every condition given, oldest\n"
    "      first: the date and the amount of the document within their ranges (both ends\n"
    "      included), the partner's name containing TEXT (width and kana as in find).\n"
    "      JSON (the default) is an array, empty when nothing matches.\n"
    "  tenpo-cli archive verify FILE\n"
    "      Checks every kept PDF against its hash and the whole chain of the index: exit\n"
    "      status 0 when nothing was changed, removed or added, 1 with the first problem.\n"
    "\n"
    "  --password-stdin  read the password as one line of standard input (one try)\n"
    "  --month           the month billed, as YYYY-MM\n"
    "  --customer        the customer's id\n"
    "  --help            show this text\n"
    "  --version         print the version and build date\n"
    "\n"
    "Exit status: 0 success, 1 refused (the reason on standard error), 2 bad usage.\n";

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
  std::string text;
  try {
    text = ReadWholeFile(QString::fromLocal8Bit(file.c_str()));
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
  try {
    return ParseImportJson(text);
  } catch (const ImportError& e) {
    throw Refusal(file + ": " + e.what());
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
  const QString outPath = QString::fromLocal8Bit(files[1].c_str());
  // Without a lock (read-only folder) the save itself says what is wrong.
  DataFileLock lock;
  if (lock.TryLock(outPath) == DataFileLock::Result::HeldByOther) {
    throw Refusal(OneLine(
        QStringLiteral("ファイル \"%1\" は %2。").arg(outPath, DescribeHolder(lock.Holder()))));
  }
  try {
    SaveDocument(doc, outPath);
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
}

// --name value options of the commands that take them.
using Options = CliOptions;

bool TakesValue(const std::string& arg) {
  return arg == "--kind" || arg == "--partner" || arg == "--from" || arg == "--to" ||
         arg == "--format" || arg == "--month" || arg == "--customer" || arg == "--by" ||
         arg == "--out" || arg == "--slip" || arg == "--to" || arg == "--amount" ||
         arg == "--min" || arg == "--max" || arg == "--date" || arg == "--no" || arg == "--title" ||
         arg == "--honorific" || arg == "--note" || arg == "--into" || arg == "--csv" ||
         arg == "--of" || arg == "--year" || arg == "--start-month";
}

std::optional<std::string> Option(const Options& options, const char* name) {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  return it->second;
}

double ParseIsoDate(const std::string& text, const char* name) {
  if (const std::optional<double> day = DayFromIso(text)) return *day;
  throw std::invalid_argument(std::string(name) + " expects a date YYYY-MM-DD, not " + text);
}

int32_t ParseId(const std::string& text, const std::string& name) {
  size_t used = 0;
  long long id = 0;
  try {
    id = std::stoll(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used != text.size() || text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])) ||
      id > INT32_MAX) {
    throw std::invalid_argument(name + " expects an id, not " + text);
  }
  return static_cast<int32_t>(id);
}

SlipListQuery ReadQuery(const Options& options) {
  SlipListQuery query;
  const std::optional<std::string> kind = Option(options, "--kind");
  if (kind == "purchase") {
    query.mode = kSupplierKind;
  } else if (kind == "shipment") {
    query.mode = kCustomerKind;
  } else {
    throw std::invalid_argument("slips needs --kind purchase or --kind shipment");
  }
  const std::optional<std::string> partner = Option(options, "--partner");
  if (!partner) throw std::invalid_argument("slips needs --partner ID");
  query.partner = ParseId(*partner, "--partner");
  const std::optional<std::string> from = Option(options, "--from");
  const std::optional<std::string> to = Option(options, "--to");
  if (from.has_value() != to.has_value())
    throw std::invalid_argument("--from and --to go together");
  if (from) query.period = SlipPeriod{ParseIsoDate(*from, "--from"), ParseIsoDate(*to, "--to")};
  return query;
}

void Slips(const std::vector<std::string>& files, const Options& options, bool passwordStdin,
           std::istream& in, std::ostream& out) {
  if (files.size() != 1) throw std::invalid_argument("slips takes one FILE");
  const SlipListQuery query = ReadQuery(options);
  const bool asShown = AsShown(options);
  const std::string format = Option(options, "--format").value_or("json");
  if (format != "json" && format != "csv")
    throw std::invalid_argument("--format is json or csv, not " + format);
  const CsvStyle style = CsvStyleOf(options);
  const Document doc = OpenForExport(files[0], passwordStdin, in);
  // Built whole before anything is written, so a refusal prints nothing.
  std::string text;
  try {
    if (asShown) {
      text = SlipListShownCsv(doc, query);
    } else {
      text = format == "csv" ? SlipListCsv(doc, query, style)
                             : SlipListJson(doc, query).dump(2) + '\n';
    }
  } catch (const SlipListError& e) {
    throw Refusal(files[0] + ": " + e.what());
  }
  out << text;
}

// The PDF to write, and where and by whom an issued document is kept (no folder: not kept).
// The 月別推移表 as the window prints it with nothing selected: every row in list order,
// the chart of the total against the year before.
Report TrendPdf(const std::string& file, const Options& options, bool passwordStdin,
                std::istream& in) {
  const TrendQuery q = ReadTrendQuery(options);
  const Document doc = OpenForExport(file, passwordStdin, in);
  try {
    const MonthlyTrend trend = ComputeMonthlyTrend(doc, q);
    std::vector<size_t> order(trend.rows.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    return TrendReport(TrendSnapshotOf(trend, order, {}, QDate::currentDate()));
  } catch (const MoneyOverflow& e) {
    throw Refusal(file + ": " + e.what());
  }
}

struct PdfJob {
  Report report;
  QString archive;
  QString issuer;
};

PdfJob Kept(Report report, const Document& doc, const std::string& file) {
  const bool keep = !report.issued.kind.isEmpty() && doc.keepIssued;
  return {std::move(report),
          keep ? ArchiveFolderOf(QString::fromLocal8Bit(file.c_str())) : QString(),
          FromSjis(doc.company.person)};
}

// The receipt needs no data file; the other documents come from one.
PdfJob PdfReport(const std::vector<std::string>& files, const Options& options, bool passwordStdin,
                 std::istream& in) {
  if (!files.empty() && files[0] == "receipt") {
    if (files.size() > 2) throw std::invalid_argument("pdf receipt takes at most one FILE");
    if (files.size() == 1) return {ReceiptPdf(nullptr, options), QString(), QString()};
    const Document doc = OpenForExport(files[1], passwordStdin, in);
    return Kept(ReceiptPdf(&doc, options), doc, files[1]);
  }
  if (files.size() != 2) throw std::invalid_argument("pdf takes a document and FILE");
  if (files[0] == "trend") return {TrendPdf(files[1], options, passwordStdin, in), {}, {}};
  const std::optional<PeriodPdfQuery> period = ReadPeriodPdfQuery(files[0], options);
  const Document doc = OpenForExport(files[1], passwordStdin, in);
  try {
    if (period) return {PeriodListReport(PeriodPdfSnapshot(doc, *period)), QString(), QString()};
    if (files[0] == "invoice") return Kept(InvoicePdf(doc, options), doc, files[1]);
    if (files[0] == "claims") return {ClaimsPdf(doc, options), QString(), QString()};
    std::optional<int32_t> slip;
    if (const std::optional<std::string> id = Option(options, "--slip"))
      slip = ParseId(*id, "--slip");
    return Kept(CliReport(doc, files[0], slip), doc, files[1]);
  } catch (const CliReportError& e) {
    throw Refusal(files[1] + ": " + e.what());
  } catch (const MoneyOverflow& e) {
    throw Refusal(files[1] + ": " + e.what());
  }
}

void Pdf(const std::vector<std::string>& files, const Options& options, bool passwordStdin,
         std::istream& in) {
  const std::string outFile = Option(options, "--out").value_or("");
  if (outFile.empty()) throw std::invalid_argument("pdf needs --out OUT.pdf");
  const PdfJob job = PdfReport(files, options, passwordStdin, in);
  const Report& report = job.report;
  if (report.pageCount == 0) throw Refusal(OneLine(QStringLiteral("印刷対象がありません。")));
  try {
    const QByteArray pdf = RenderPdf(report, QString::fromUtf8(kAppTitle) + report.jobSuffix);
    // Kept first: a document counts as issued only once its copy is kept.
    if (!job.archive.isEmpty()) KeepDocument(job.archive, report.issued, job.issuer, pdf);
    WriteFileAtomically(QString::fromLocal8Bit(outFile.c_str()),
                        std::string_view(pdf.constData(), static_cast<size_t>(pdf.size())));
  } catch (const ArchiveError& e) {
    throw Refusal(OneLine(e.Message()));
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
  Options options;
  bool passwordStdin = false;
  try {
    for (size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "--help" || args[i] == "-h") {
        out << kUsage;
        return 0;
      }
      if (args[i] == "--version") {
        out << "tenpo-cli " << VersionText() << "\n";
        return 0;
      }
      if (args[i] == "--password-stdin") {
        passwordStdin = true;
      } else if (args[i] == "--hide-zero" || args[i] == "--subtotals" || args[i] == "--bom" ||
                 args[i] == "--crlf" || args[i] == "--as-shown" || args[i] == "--update" ||
                 args[i] == "--dry-run") {
        options.emplace(args[i], std::string());
      } else if (TakesValue(args[i])) {
        if (i + 1 == args.size()) throw std::invalid_argument(args[i] + " needs a value");
        if (!options.emplace(args[i], args[i + 1]).second)
          throw std::invalid_argument(args[i] + " given twice");
        ++i;
      } else if (args[i].rfind("--", 0) == 0) {
        throw std::invalid_argument("unknown option " + args[i]);
      } else {
        files.push_back(args[i]);
      }
    }
    if (files.empty()) throw std::invalid_argument("no command");
    const std::string command = files.front();
    files.erase(files.begin());
    if (command == "slips") {
      Slips(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "claims") {
      ClaimsCommand(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "claim-detail") {
      ClaimDetailCommand(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "sales") {
      SalesCommand(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "returns") {
      ReturnsCommand(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "trend") {
      TrendCommand(files, options, passwordStdin, in, out);
      return 0;
    }
    if (command == "import-csv") return ImportCsvCommand(files, options, passwordStdin, in, out);
    if (command == "archive") {
      ArchiveCommand(files, options, out);
      return 0;
    }
    if (command == "pdf") {
      Pdf(files, options, passwordStdin, in);
      return 0;
    }
    if (!options.empty())
      throw std::invalid_argument(command + " takes no " + options.begin()->first);
    if (command == "export") {
      Export(files, passwordStdin, in, out);
    } else if (command == "import") {
      Import(files, passwordStdin, in);
    } else {
      throw std::invalid_argument("unknown command " + command);
    }
    return 0;
  } catch (const std::invalid_argument& e) {
    err << "tenpo-cli: " << e.what() << "\n" << kUsage;
    return 2;
  } catch (const std::bad_alloc&) {
    err << "tenpo-cli: メモリが不足しているため、処理を続けられません。\n";
    return 1;
  } catch (const std::exception& e) {
    err << "tenpo-cli: " << e.what() << '\n';
    return 1;
  }
}
