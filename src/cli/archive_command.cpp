#include "archive_command.h"

#include <QFileInfo>
#include <ostream>
#include <stdexcept>

#include "archive_folder.h"
#include "archive_search.h"
#include "archive_verify.h"
#include "cli_open.h"
#include "csv_writer.h"
#include "json_in.h"

namespace {

std::optional<QDate> DayOption(const CliOptions& options, const char* name) {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  const QDate day = QDate::fromString(QString::fromStdString(it->second), Qt::ISODate);
  if (!day.isValid() || it->second.size() != 10)
    throw std::invalid_argument(std::string(name) + " is not a day YYYY-MM-DD");
  return day;
}

std::optional<Money> AmountOption(const CliOptions& options, const char* name) {
  const auto it = options.find(name);
  if (it == options.end()) return std::nullopt;
  try {
    return MoneyFromText(it->second);
  } catch (const std::exception&) {
    throw std::invalid_argument(std::string(name) + " is not an amount");
  }
}

ArchiveQuery QueryOf(const CliOptions& options) {
  ArchiveQuery q;
  q.from = DayOption(options, "--from");
  q.to = DayOption(options, "--to");
  q.min = AmountOption(options, "--min");
  q.max = AmountOption(options, "--max");
  if (const auto it = options.find("--partner"); it != options.end())
    q.partner = QString::fromStdString(it->second);
  if (const auto it = options.find("--kind"); it != options.end()) {
    q.kind = KindFromKey(QString::fromStdString(it->second));
    if (!q.kind) throw std::invalid_argument("--kind is delivery-note, invoice or receipt");
  }
  return q;
}

Json EntryJson(const ArchiveEntry& e) {
  Json j = Json::object();
  j["kind"] = KindKey(e.kind).toStdString();
  j["date"] = e.date.toString(Qt::ISODate).toStdString();
  j["amount"] = MoneyToText(e.amount);
  j["partner"] = {{"id", e.partnerId}, {"name", e.partner.toStdString()}};
  j["number"] = e.number.toStdString();
  j["issuedAt"] = e.issuedAt.toString(Qt::ISODate).toStdString();
  j["status"] = e.status.toStdString();
  j["file"] = e.file.toStdString();
  j["sha256"] = e.sha256.toStdString();
  return j;
}

std::string EntriesCsv(const std::vector<ArchiveEntry>& entries) {
  std::vector<std::vector<std::string>> cells = {{"kind", "date", "amount", "partnerId", "partner",
                                                  "number", "issuedAt", "status", "file",
                                                  "sha256"}};
  for (const ArchiveEntry& e : entries) {
    cells.push_back({KindKey(e.kind).toStdString(), e.date.toString(Qt::ISODate).toStdString(),
                     MoneyToText(e.amount), std::to_string(e.partnerId), e.partner.toStdString(),
                     e.number.toStdString(), e.issuedAt.toString(Qt::ISODate).toStdString(),
                     e.status.toStdString(), e.file.toStdString(), e.sha256.toStdString()});
  }
  return CsvText(cells, {});
}

QString FolderOf(const std::string& file) {
  const QString folder = ArchiveFolderOf(QString::fromLocal8Bit(file.c_str()));
  if (!QFileInfo(folder).isDir() && !QFileInfo::exists(QString::fromLocal8Bit(file.c_str())))
    throw Refusal(file + ": no such file");
  return folder;
}

}  // namespace

void ArchiveCommand(const std::vector<std::string>& files, const CliOptions& options,
                    std::ostream& out) {
  if (files.size() != 2 || (files[0] != "search" && files[0] != "verify"))
    throw std::invalid_argument("archive takes search or verify and FILE");
  try {
    if (files[0] == "verify") {
      OnlyOptions(options, {});
      const ArchiveCheck check = VerifyArchive(FolderOf(files[1]));
      if (!check.intact) throw Refusal(OneLine(check.message));
      out << OneLine(check.message) << '\n';
      return;
    }
    OnlyOptions(options, {"--from", "--to", "--min", "--max", "--partner", "--kind", "--format"});
    const ArchiveQuery query = QueryOf(options);
    const bool csv = WantsCsv(options);
    const std::vector<ArchiveEntry> found = SearchArchive(ReadArchive(FolderOf(files[1])), query);
    if (csv) {
      out << EntriesCsv(found);
      return;
    }
    Json list = Json::array();
    for (const ArchiveEntry& e : found) list.push_back(EntryJson(e));
    out << list.dump(2) << '\n';
  } catch (const ArchiveError& e) {
    throw Refusal(OneLine(e.Message()));
  }
}
