#include "list_csv.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>

#include "atomic_file.h"
#include "dialog_script.h"
#include "list_view.h"

namespace {

// A list as the windows show it: a hidden id column, grouped amounts, and names that need
// quoting.
void FillSample(QTableWidget* view) {
  SetUpListView(view, {{QStringLiteral("名前"), 100},
                       {QStringLiteral("金額"), 80, true},
                       {QStringLiteral("id"), 0},
                       {QStringLiteral("備考"), 100}});
  view->setColumnHidden(2, true);
  FillListView(view, {{"株式会社てんぽ", "-1,234,567.5", "7", "1,2"},
                      {"A \"B\", C", "800", "8", "two\nlines"},
                      {"", "12,34", "9", ""}});
}

const char kSampleCsv[] =
    "\xEF\xBB\xBF"
    "名前,金額,備考\r\n"
    "株式会社てんぽ,-1234567.5,\"1,2\"\r\n"
    "\"A \"\"B\"\", C\",800,\"two\nlines\"\r\n"
    ",\"12,34\",\r\n";

QAction* SaveAction(QTableWidget* view) {
  for (QAction* action : view->actions()) {
    if (action->text() == QStringLiteral("CSVで保存…")) return action;
  }
  return nullptr;
}

TEST(ListCsv, TheContextMenuWritesTheRowsAsShown) {
  QTemporaryDir dir;
  QTableWidget view;
  FillSample(&view);
  ASSERT_EQ(view.contextMenuPolicy(), Qt::ActionsContextMenu);
  QAction* save = SaveAction(&view);
  ASSERT_NE(save, nullptr);
  const QString path = dir.filePath(QStringLiteral("一覧.csv"));
  {
    DialogScript script;
    script.ChooseSaveFile(path);
    save->trigger();
    EXPECT_TRUE(script.Messages().isEmpty());
  }
  EXPECT_EQ(ReadWholeFile(path), std::string(kSampleCsv));
  {
    DialogScript script;  // cancelled: nothing written, nothing said
    script.ChooseSaveFile(QString());
    QFile::remove(path);
    save->trigger();
    EXPECT_FALSE(QFile::exists(path));
  }
}

TEST(ListCsv, ARefusedWriteIsAMessageAndLeavesNoFile) {
  QTemporaryDir dir;
  QTableWidget view;
  FillSample(&view);
  const QString missing = dir.filePath(QStringLiteral("no such folder/list.csv"));
  DialogScript script;
  script.ChooseSaveFile(missing);
  SaveAction(&view)->trigger();
  ASSERT_EQ(script.Messages().size(), 1);
  EXPECT_TRUE(script.Messages()[0].contains(missing)) << script.Messages()[0].toStdString();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList{});
}

}  // namespace
