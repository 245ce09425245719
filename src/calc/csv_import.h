#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <vector>

#include "customer_list.h"
#include "item_list.h"
#include "shown_list.h"

struct Document;

// Products, suppliers or customers brought in from a spreadsheet's CSV.
enum class ImportTarget { Items, Suppliers, Customers };
// "items", "suppliers", "customers".
std::optional<ImportTarget> ImportTargetFromKey(const QString& key);

// A row (or the file) that cannot be taken: the row as a spreadsheet numbers it (the
// header is row 1), the column and why.
struct ImportProblem {
  int row = 0;
  QString column;
  QString message;  // "12 行目: 締日「35」は …"
};

// One record as it will be stored.
struct ImportRow {
  int row = 0;
  int existing = -1;  // the index of the record it updates; -1 for a new record
  ItemRecord item;
  bool reduced = false;                 // the product sells at the reduced rate
  std::array<QString, 3> groupNames{};  // classifications by name; empty for none
  CustomerRecord partner;
};

struct ImportPlan {
  ImportTarget target = ImportTarget::Items;
  bool update = false;
  QString encoding;
  QStringList ignoredColumns;  // captions that match no field
  std::vector<ImportRow> rows;
  std::vector<ImportProblem> problems;
  QStringList newUnits;                  // added with the import
  std::array<QStringList, 3> newGroups;  // 分類1–3 added with the import
  bool Ready() const { return problems.empty() && !rows.empty(); }
};

// Reads and checks every row; changes nothing. With `update`, a product whose code or a
// partner whose name exists is updated in place (the columns given replace its fields);
// without it such a row is refused, and so is a repeat within the file.
ImportPlan PlanCsvImport(const Document& doc, ImportTarget target, const QByteArray& csv,
                         bool update);
// Stores a plan that is Ready as one change: the new units and classifications, then the
// rows. Ids of updated records, and all that refers to them, stay.
void ApplyCsvImport(Document& doc, const ImportPlan& plan);
// The rows as the preview lists them.
ShownList ImportPreview(const ImportPlan& plan);
