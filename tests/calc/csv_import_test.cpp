#include "csv_import.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include "data_file.h"
#include "document.h"
#include "sjis_codec.h"
#include "slip.h"

namespace {

QByteArray Utf8Bom(const QString& text) {
  return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray Cp932(const QString& text) {
  const std::optional<std::string> bytes = ToSjis(text);
  return bytes ? QByteArray::fromStdString(*bytes) : QByteArray();
}

Document Empty() {
  Document doc;
  ResetDocument(doc);
  return doc;
}

const QString kItems = QStringLiteral(
    "商品コード,商品名,単位,単価,原価,税区分,分類１,備考,色\r\n"
    "A01,りんご,個,\"1,200\",800,税抜※,果物,\"赤い, \"\"ふじ\"\"\",赤\r\n"
    "A02,\"みかん\n（箱）\",箱,3000,2100,税込,果物,,\r\n"
    "\r\n"
    "A03,ぶどう,房,980.5,0,非課税,,,\r\n");

TEST(CsvImport, Cp932AndUtf8WithBomGiveTheSameDocument) {
  std::vector<std::string> files;
  for (const QByteArray& bytes : {Cp932(kItems), Utf8Bom(kItems), kItems.toUtf8()}) {
    Document doc = Empty();
    const ImportPlan plan = PlanCsvImport(doc, ImportTarget::Items, bytes, false);
    ASSERT_TRUE(plan.Ready()) << plan.problems.front().message.toStdString();
    EXPECT_EQ(plan.ignoredColumns, QStringList{"色"});
    EXPECT_EQ(plan.newUnits, (QStringList{"個", "箱", "房"}));
    EXPECT_EQ(plan.newGroups[0], QStringList{"果物"});
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[2].row, 5);  // the blank line is a row of its own
    ApplyCsvImport(doc, plan);
    files.push_back(SerializeDocument(doc));
    ASSERT_EQ(doc.items.Count(), 3);
    const ItemRecord apple = doc.items.Get(0);
    EXPECT_EQ(FromSjis(apple.note), QStringLiteral("赤い, \"ふじ\""));
    EXPECT_EQ(apple.price, Money::FromInt(1200));
    EXPECT_EQ(doc.invoice.reducedItems, std::set<int32_t>{apple.id});
    EXPECT_EQ(FromSjis(doc.items.Get(1).name), QStringLiteral("みかん\n（箱）"));
    EXPECT_EQ(doc.items.Get(1).taxClass, 1);
    EXPECT_EQ(FromSjis(doc.groups[0].GetById(apple.group1).name), QStringLiteral("果物"));
    EXPECT_EQ(doc.items.Get(1).group1, apple.group1);
  }
  EXPECT_EQ(files[0], files[1]);
  EXPECT_EQ(files[0], files[2]);
  EXPECT_EQ(PlanCsvImport(Empty(), ImportTarget::Items, Cp932(kItems), false).encoding,
            QStringLiteral("Shift_JIS"));
  EXPECT_EQ(PlanCsvImport(Empty(), ImportTarget::Items, Utf8Bom(kItems), false).encoding,
            QStringLiteral("UTF-8（BOM 付き）"));
}

// Each bad row is named with its row and column; nothing is stored while any is bad.
TEST(CsvImport, BadRowsAreRefusedWithTheirRowAndColumnAndNothingChanges) {
  struct Case {
    ImportTarget target;
    QString csv;
    QString column;
    QString message;
  };
  const QString partners = QStringLiteral(
      "取引先名,締日,支払月,支払日,端数処理,小数点桁数,初期繰越残高\n"
      "さくら商事,20,翌月,25,切捨て,0,1000\n");
  const std::vector<Case> cases = {
      {ImportTarget::Customers, partners + "ひまわり,35,翌月,25,,,\n", "締日",
       "3 行目: 締日「35」は 1〜28、月末 のいずれかで入力してください。"},
      {ImportTarget::Customers, partners + "ひまわり,20,来月,25,,,\n", "支払月",
       "3 行目: 支払月「来月」は 当月、翌月、翌々月、3ヶ月後〜6ヶ月後 "
       "のいずれかで入力してください。"},
      {ImportTarget::Customers, partners + "ひまわり,20,当月,10,,,\n", "支払日",
       "3 行目: 当月支払の場合、支払日を締日より前に設定することは出来ません。"},
      {ImportTarget::Customers, partners + "ひまわり,20,翌月,25,丸め,,\n", "端数処理",
       "3 行目: 端数処理「丸め」は 切捨て、切上げ、四捨五入 のいずれかで入力してください。"},
      {ImportTarget::Customers, partners + "ひまわり,20,翌月,25,,3,\n", "小数点桁数",
       "3 行目: 小数点桁数「3」は 0、1、2 のいずれかで入力してください。"},
      {ImportTarget::Customers, partners + "ひまわり,20,翌月,25,,,千円\n", "初期繰越残高",
       "3 行目: 初期繰越残高「千円」は金額として読めません。"},
      {ImportTarget::Customers, partners + ",20,翌月,25,,,\n", "取引先名",
       "3 行目: 取引先名を入力してください。"},
      {ImportTarget::Customers, partners + "さくら商事,20,翌月,25,,,\n", "取引先名",
       "3 行目: 取引先名「さくら商事」は 2 行目と重複しています。"},
      {ImportTarget::Customers, partners + "𠮷野家,20,翌月,25,,,\n", "取引先名",
       "3 行目: 取引先名「𠮷野家」の「𠮷」は使えない文字です。"},
      {ImportTarget::Items, "コード,品名,基本単価,税区分,軽減税率対象\nB1,紙,10,課税,\n", "税区分",
       "2 行目: 税区分「課税」は 税抜、税込、非課税 のいずれかで入力してください。"},
      {ImportTarget::Items, "コード,品名,基本単価,税区分,軽減税率対象\nB1,紙,10,税抜,たぶん\n",
       "軽減税率対象",
       "2 行目: 軽減税率対象「たぶん」は "
       "○、1、はい（対象外は空欄、×、0、いいえ）のいずれかで入力してください。"},
      {ImportTarget::Items, "コード,品名,基本単価\nB1,紙,十円\n", "基本単価",
       "2 行目: 基本単価「十円」は金額として読めません。"},
      {ImportTarget::Items, "コード,価格\nB1,10\n", "商品名",
       "1 行目: 「商品名」の列がありません。"},
      {ImportTarget::Items, "商品コード,商品名\nP1,既存と同じコード\n", "商品コード",
       "2 行目: 商品コード「P1」はすでに登録されています。"},
  };
  Document doc = Empty();
  doc.items.Add("P1", "x", "", "", "1", "0", "", "", 0, 0, 0, 0);
  const std::string before = SerializeDocument(doc);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message.toStdString());
    const ImportPlan plan = PlanCsvImport(doc, c.target, c.csv.toUtf8(), false);
    EXPECT_FALSE(plan.Ready());
    ASSERT_EQ(plan.problems.size(), 1u);
    EXPECT_EQ(plan.problems[0].column, c.column);
    EXPECT_EQ(plan.problems[0].message, c.message);
    ApplyCsvImport(doc, plan);
    EXPECT_EQ(SerializeDocument(doc), before);
  }
}

// With update, a known product or partner keeps its id, so slips still name it.
TEST(CsvImport, UpdateKeepsIdsAndWhatRefersToThem) {
  Document doc = Empty();
  doc.items.Add("P1", "old", "kana", "", "1", "0", "", "", 0, 0, 0, 0);
  doc.items.Add("P2", "two", "", "", "2", "0", "", "", 0, 0, 0, 0);
  CustomerRecord c;
  c.name = *ToSjis(QStringLiteral("さくら商事"));
  c.tel = "03";
  doc.customers.Add(c);
  Slip s;
  s.kind = 1;
  s.partner = doc.customers.Get(0).id;
  s.AddLine(std::to_string(doc.items.Get(1).id), "2", "1", "");
  doc.slips.Add(s);

  const std::vector<ItemRecord> itemsBefore = doc.items.Records();
  const QByteArray items = QStringLiteral("商品コード,単価\nP2,5\nP3,7\n").toUtf8();
  EXPECT_FALSE(PlanCsvImport(doc, ImportTarget::Items, items, false).Ready());
  // A new product needs its name even when updating.
  const ImportPlan missing = PlanCsvImport(doc, ImportTarget::Items, items, true);
  ASSERT_EQ(missing.problems.size(), 1u);
  EXPECT_EQ(missing.problems[0].message, QStringLiteral("3 行目: 商品名を入力してください。"));

  const QByteArray named = QStringLiteral("商品コード,商品名,単価\nP2,,5\nP3,three,7\n").toUtf8();
  const ImportPlan plan = PlanCsvImport(doc, ImportTarget::Items, named, true);
  ASSERT_TRUE(plan.Ready());
  EXPECT_EQ(ImportPreview(plan).rows[0][1], QStringLiteral("更新"));
  ApplyCsvImport(doc, plan);
  ASSERT_EQ(doc.items.Count(), 3);
  EXPECT_EQ(doc.items.Get(1).id, itemsBefore[1].id);
  EXPECT_EQ(doc.items.Get(1).name, "two");
  EXPECT_EQ(doc.items.Get(1).price, Money::FromInt(5));
  EXPECT_EQ(doc.items.Get(0), itemsBefore[0]);
  EXPECT_EQ(doc.items.Get(2).name, "three");

  const QByteArray partners = QStringLiteral("名称,締日,支払日\nさくら商事,月末,翌月末\n").toUtf8();
  const ImportPlan terms = PlanCsvImport(doc, ImportTarget::Customers, partners, true);
  ASSERT_TRUE(terms.Ready());
  ApplyCsvImport(doc, terms);
  ASSERT_EQ(doc.customers.Count(), 1);
  EXPECT_EQ(doc.customers.Get(0).id, s.partner);
  EXPECT_EQ(doc.customers.Get(0).tel, "03");  // a column not given stays
  EXPECT_EQ(doc.customers.Get(0).payMonth, 1);
  EXPECT_EQ(doc.customers.Get(0).payDay, 0);
  EXPECT_EQ((*doc.slips.Slips().begin()).partner, doc.customers.Get(0).id);
}

}  // namespace
