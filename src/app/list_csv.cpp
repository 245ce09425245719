#include "list_csv.h"

#include <QAction>
#include <QHeaderView>
#include <QRegularExpression>
#include <QTableWidget>

#include "atomic_file.h"
#include "computed_list_csv.h"
#include "csv_writer.h"
#include "dialogs.h"
#include "file_dialog_start.h"
#include "file_error.h"
#include "file_names.h"
#include "form.h"
#include "list_view.h"
#include "money.h"

namespace {

// "-1,234.5" as the windows group amounts; only such texts lose their commas, so a code or
// a name with a comma stays whole.
QString PlainAmount(const QString& text) {
  static const QRegularExpression grouped(QStringLiteral("^[-+]?\\d{1,3}(,\\d{3})+(\\.\\d+)?$"));
  if (!grouped.match(text).hasMatch()) return text;
  QString plain = text;
  return plain.remove(QLatin1Char(','));
}

std::vector<int> ShownColumns(const QTableWidget* view) {
  std::vector<int> columns;
  for (int c = 0; c < view->columnCount(); ++c) {
    if (!view->isColumnHidden(c)) columns.push_back(c);
  }
  return columns;
}

QString OutOfRangeMessage() {
  return QStringLiteral("金額が大きすぎるため計算できません。");
}

QString CsvRefusal(SlipListError::Reason reason) {
  switch (reason) {
    case SlipListError::Reason::NotText:
      return QStringLiteral(
          "文字として読めないデータが含まれているため、CSV ファイルに保存できません。");
    case SlipListError::Reason::NoPartner:
      return QStringLiteral("取引先が見つからないため、CSV ファイルに保存できません。");
    case SlipListError::Reason::OutOfRange:
      break;
  }
  return OutOfRangeMessage();
}

// In a program window the dialog starts by its data file; a bare view has none.
QString CsvStart(const QTableWidget* view, const CsvName& name) {
  const auto* form = dynamic_cast<const TForm*>(view->window());
  const QStringList parts = name ? name() : QStringList{view->window()->windowTitle()};
  return FileDialogStart(form != nullptr ? form->Doc().filePath : QString(),
                         SuggestedFileName(parts, QStringLiteral("csv")));
}

}  // namespace

std::vector<std::vector<std::string>> ListViewCsvCells(const QTableWidget* view) {
  const std::vector<int> columns = ShownColumns(view);
  std::vector<std::vector<std::string>> cells;
  std::vector<std::string>& header = cells.emplace_back();
  for (const int c : columns) {
    const QTableWidgetItem* item = view->horizontalHeaderItem(c);
    header.push_back(item != nullptr ? item->text().toStdString() : std::string());
  }
  for (const QStringList& texts : ListViewTexts(view)) {
    std::vector<std::string>& row = cells.emplace_back();
    for (const int c : columns) row.push_back(PlainAmount(texts[c]).toStdString());
  }
  return cells;
}

std::string ListViewCsv(const QTableWidget* view) {
  return CsvText(ListViewCsvCells(view), kSpreadsheetCsv);
}

void SaveListViewCsv(const QTableWidget* view, const QString& path) {
  WriteFileAtomically(path, ListViewCsv(view));
}

void InstallCsvSave(QTableWidget* view) {
  auto* save = new QAction(QStringLiteral("CSVで保存…"), view);
  save->setObjectName(QStringLiteral("ActionSaveCsv"));
  view->addAction(save);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  SetCsvSource(view, [view] { return ListViewCsv(view); });
}

void SetCsvSource(QTableWidget* view, CsvSource source, CsvName name) {
  auto* save = view->findChild<QAction*>(QStringLiteral("ActionSaveCsv"));
  save->disconnect(view);
  QObject::connect(save, &QAction::triggered, view, [view, source = std::move(source), name] {
    const QString path =
        AskSaveFileName(view->window(), QStringLiteral("CSVで保存"), CsvStart(view, name),
                        QStringLiteral("CSV ファイル (*.csv)"));
    if (path.isEmpty()) return;
    try {
      WriteFileAtomically(path, source());
    } catch (const FileError& e) {
      ShowMessage(e.Message());
    } catch (const MoneyOverflow&) {
      ShowMessage(OutOfRangeMessage());
    } catch (const SlipListError& e) {
      ShowMessage(CsvRefusal(e.reason()));
    } catch (const std::exception& e) {
      // A list that cannot be computed or written faithfully: nothing is written.
      ShowMessage(QString::fromStdString(e.what()));
    }
  });
}
