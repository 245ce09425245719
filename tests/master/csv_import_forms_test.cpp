#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "form_csv_import.h"
#include "form_customer_list.h"
#include "form_item_list.h"
#include "list_csv.h"
#include "master_fixture.h"

namespace {

class CsvImportFormsTest : public MasterFormsTest {
 protected:
  // What "CSVで保存…" writes for the window's list.
  template <class List>
  std::string Exported(FormId id, QTableWidget* List::*view, int tag = -1) {
    List& list = Form<List>(id);
    if (tag >= 0) list.Tag = tag;
    std::string csv;
    script_.ExpectModal<List>([&](List& f) {
      csv = ListViewCsv(f.*view);
      f.ButtonOk->click();
    });
    ShowModal(&list);
    return csv;
  }

  QString Write(const std::string& bytes) {
    const QString path = dir.filePath(QStringLiteral("in.csv"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return path;
  }

  // Clicks CSV取込… in the list window and takes the preview as `check` leaves it.
  template <class List>
  void Import(FormId id, const QString& path, const std::function<void(TFormCsvImport&)>& check,
              int tag = -1) {
    List& list = Form<List>(id);
    if (tag >= 0) list.Tag = tag;
    script_.ChooseOpenFile(path);
    script_.ExpectModal<List>([](List& f) {
      f.ButtonImportCsv->click();
      f.ButtonOk->click();
    });
    script_.ExpectModal<TFormCsvImport>(check);
    ShowModal(&list);
  }

  QTemporaryDir dir;
};

// What the list window saves comes back as the same products, classifications, units and
// reduced-rate marks in a new file.
TEST_F(CsvImportFormsTest, TheProductListsOwnCsvComesBackAsTheSameRecords) {
  ResetDocument(doc_);
  doc_.units.Add(Sjis(QStringLiteral("個")));
  doc_.units.Add(Sjis(QStringLiteral("箱")));
  doc_.groups[0].Add(Sjis(QStringLiteral("果物")));
  doc_.groups[2].Add(Sjis(QStringLiteral("春物")));
  doc_.items.Add("A01", Sjis(QStringLiteral("りんご")), "", Sjis(QStringLiteral("個")), "1200.5",
                 "800", "R", Sjis(QStringLiteral("赤い, \"ふじ\"")), 0, 1, 0, 1);
  doc_.items.Add("A02", Sjis(QStringLiteral("みかん")), "", Sjis(QStringLiteral("箱")), "3000",
                 "2100", "", "", 1, 1, 0, 0);
  doc_.items.Add("", Sjis(QStringLiteral("袋")), "", "", "-5", "0", "", "", 2, 0, 0, 0);
  doc_.invoice.reducedItems = {doc_.items.Get(0).id};
  const Document original = doc_;
  const QString path = Write(Exported(FormId::ItemList, &TFormItemList::ListViewItemList));

  ResetDocument(doc_);
  Import<TFormItemList>(FormId::ItemList, path, [](TFormCsvImport& f) {
    EXPECT_EQ(f.LabelEncoding->text(), QStringLiteral("文字コード: UTF-8（BOM 付き）"));
    EXPECT_EQ(f.ListViewRows->rowCount(), 3);
    EXPECT_TRUE(f.ListViewProblems->isHidden());
    EXPECT_EQ(f.LabelNotes->text(),
              QStringLiteral("追加する単位: 個、箱\n追加する分類1: 果物\n追加する分類3: 春物"));
    f.ButtonImport->click();
  });
  EXPECT_EQ(doc_.items.Records(), original.items.Records());
  EXPECT_EQ(doc_.units.Strings(), original.units.Strings());
  EXPECT_EQ(doc_.groups[0].Records(), original.groups[0].Records());
  EXPECT_EQ(doc_.groups[2].Records(), original.groups[2].Records());
  EXPECT_EQ(doc_.invoice.reducedItems, original.invoice.reducedItems);
}

// A bad row shows with its row and column, 取込 stays off and nothing is stored; 既存を更新
// turns a known name from a refusal into an update.
TEST_F(CsvImportFormsTest, ProblemsAreShownAndNothingIsStoredUntilEveryRowIsGood) {
  ResetDocument(doc_);
  CustomerRecord known;
  known.name = Sjis(QStringLiteral("さくら商事"));
  doc_.customers.Add(known);
  const QString path = Write(QStringLiteral("取引先名,締日,支払日\r\nさくら商事,20,翌月25日\r\n"
                                            "ひまわり,35,翌月末\r\n")
                                 .toStdString());
  const Document before = doc_;
  const uint64_t changes = doc_.changes.Value();
  Import<TFormCustomerList>(
      FormId::CustomerList, path,
      [](TFormCsvImport& f) {
        ASSERT_EQ(f.ListViewProblems->rowCount(), 2);
        EXPECT_EQ(f.ListViewProblems->item(0, 2)->text(),
                  QStringLiteral("2 行目: 取引先名「さくら商事」はすでに登録されています。"));
        EXPECT_EQ(f.ListViewProblems->item(1, 1)->text(), QStringLiteral("締日"));
        EXPECT_FALSE(f.ButtonImport->isEnabled());
        f.CheckBoxUpdate->setChecked(true);
        EXPECT_EQ(f.ListViewProblems->rowCount(), 1);
        EXPECT_FALSE(f.ButtonImport->isEnabled());
        f.ButtonImport->click();
        f.ButtonCancel->click();
      },
      kCustomerKind);
  EXPECT_EQ(doc_.customers.Records(), before.customers.Records());
  EXPECT_EQ(doc_.changes.Value(), changes);
}

}  // namespace
