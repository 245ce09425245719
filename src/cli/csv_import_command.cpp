#include "csv_import_command.h"

#include <nlohmann/json.hpp>
#include <ostream>
#include <stdexcept>

#include "atomic_file.h"
#include "cli_open.h"
#include "csv_import.h"
#include "data_file.h"
#include "document.h"
#include "file_error.h"
#include "file_lock.h"

namespace {

using Json = nlohmann::ordered_json;

Json Texts(const QStringList& texts) {
  Json list = Json::array();
  for (const QString& t : texts) list.push_back(t.toStdString());
  return list;
}

Json PlanJson(const ImportPlan& plan) {
  Json j;
  j["encoding"] = plan.encoding.toStdString();
  j["ignoredColumns"] = Texts(plan.ignoredColumns);
  j["newUnits"] = Texts(plan.newUnits);
  j["newGroups"] = Json{{"分類1", Texts(plan.newGroups[0])},
                        {"分類2", Texts(plan.newGroups[1])},
                        {"分類3", Texts(plan.newGroups[2])}};
  const ShownList preview = ImportPreview(plan);
  Json rows = Json::array();
  for (const QStringList& row : preview.rows) {
    Json r = Json::object();
    for (size_t c = 0; c < preview.columns.size(); ++c) {
      QString cell = row.value(static_cast<int>(c));
      // Amounts as numbers read them, without the grouping the preview shows.
      if (preview.columns[c].kind == ShownKind::Amount) cell.remove(QLatin1Char(','));
      r[preview.columns[c].caption.toStdString()] = cell.toStdString();
    }
    rows.push_back(std::move(r));
  }
  j["rows"] = std::move(rows);
  Json errors = Json::array();
  for (const ImportProblem& p : plan.problems) {
    errors.push_back(Json{
        {"row", p.row}, {"column", p.column.toStdString()}, {"message", p.message.toStdString()}});
  }
  j["errors"] = std::move(errors);
  return j;
}

QByteArray ReadCsv(const std::string& file) {
  try {
    return QByteArray::fromStdString(ReadWholeFile(QString::fromLocal8Bit(file.c_str())));
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
}

// One line, as every refusal: the count, then each problem.
std::string Problems(const ImportPlan& plan) {
  std::string text = "取り込めない行が " + std::to_string(plan.problems.size()) +
                     " 件あります。何も変更していません。";
  for (const ImportProblem& p : plan.problems) text += " " + p.message.toStdString();
  return text;
}

}  // namespace

int ImportCsvCommand(const std::vector<std::string>& files, const CliOptions& options,
                     bool passwordStdin, std::istream& in, std::ostream& out) {
  OnlyOptions(options, {"--into", "--csv", "--update", "--dry-run"});
  if (files.size() != 1) throw std::invalid_argument("import-csv takes one FILE");
  const std::optional<ImportTarget> target =
      ImportTargetFromKey(QString::fromStdString(RequiredOption(options, "--into")));
  if (!target) throw std::invalid_argument("--into takes items, suppliers or customers");
  const QByteArray csv = ReadCsv(RequiredOption(options, "--csv"));
  const bool dryRun = options.count("--dry-run") > 0;
  const QString path = QString::fromLocal8Bit(files[0].c_str());
  DataFileLock lock;
  if (!dryRun && lock.TryLock(path) == DataFileLock::Result::HeldByOther) {
    throw Refusal(OneLine(
        QStringLiteral("ファイル \"%1\" は %2。").arg(path, DescribeHolder(lock.Holder()))));
  }
  Document doc = OpenForExport(files[0], passwordStdin, in);
  const ImportPlan plan = PlanCsvImport(doc, *target, csv, options.count("--update") > 0);
  if (dryRun) {
    out << PlanJson(plan).dump(2) << '\n';
    return plan.Ready() ? 0 : 1;
  }
  if (!plan.Ready()) throw Refusal(Problems(plan));
  ApplyCsvImport(doc, plan);
  try {
    SaveDocument(doc, path);
  } catch (const FileError& e) {
    throw Refusal(OneLine(e.Message()));
  }
  int added = 0;
  for (const ImportRow& row : plan.rows) added += row.existing < 0 ? 1 : 0;
  out << added << " 件を追加、" << plan.rows.size() - static_cast<size_t>(added)
      << " 件を更新しました。\n";
  return 0;
}
