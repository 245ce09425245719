#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <functional>
#include <sstream>

#include "atomic_file.h"
#include "cli.h"
#include "data_file.h"
#include "form_claim_detail.h"
#include "form_claim_list.h"
#include "form_customer_sales_list.h"
#include "form_date_sales_list.h"
#include "form_item_sales_list.h"
#include "form_return_list.h"
#include "trade_fixture.h"

namespace {

// A computed list saved from its window is byte for byte what tenpo-cli --as-shown prints
// for the same file and filters: the window's visible columns under its captions.
class ComputedListCsvTest : public TradeFormsTest {
 protected:
  void SetUp() override {
    TradeFormsTest::SetUp();
    Slip sale;
    sale.kind = kShipmentSlip;
    sale.partner = kYamada;
    sale.date = EncodeDate(2024, 3, 5);
    sale.number = "S-1,\"a\"";  // quoted in CSV
    sale.AddLine(std::to_string(kPencil), "1000", "2", "");
    sale.AddLine(std::to_string(kEraser), "33.33", "3", Sjis("特価, 限定"));
    doc_.slips.Add(sale);
    StoreSlip(kShipmentSlip, kSato, EncodeDate(2024, 3, 20), "1000", "1234");
    StoreSlip(kShipmentReturnSlip, kSato, EncodeDate(2024, 3, 21), "33.33", "3", kEraser);
    StoreSlip(kShipmentReturnSlip, kYamada, EncodeDate(2024, 3, 22), "1000", "1");
    StoreSlip(kPurchaseSlip, 0, EncodeDate(2024, 3, 2), "500", "10");
  }

  template <class Window>
  Window& Open(FormId id, int tag = 0) {
    auto* window = Forms().As<Window>(id);
    window->Tag = tag;
    window->hide();
    window->show();
    return *window;
  }
  static void SetPeriod(TFormPeriodList& w) {
    w.DateTimePickerFrom->setDate(QDate(2024, 3, 1));
    w.DateTimePickerTo->setDate(QDate(2024, 3, 31));
  }
};

struct WindowCase {
  const char* name;
  std::function<QTableWidget*()> open;
  std::vector<std::string> cli;  // after the file
  const char* row;               // one whole row as the spreadsheet gets it
  const char* file;              // the name the save dialog suggests
};

TEST_F(ComputedListCsvTest, EachWindowSavesTenpoCliCsvOfItsList) {
  QTemporaryDir dir;
  const std::string file = dir.filePath(QStringLiteral("shop.tlg")).toStdString();
  SaveDocument(doc_, QString::fromStdString(file));
  const std::vector<WindowCase> cases = {
      {"slip list",
       [this] { return List(kCustomerKind, 0).ListViewSlipList; },
       {"slips", "--kind", "shipment", "--partner", "0"},
       "2024/03/22,,-1050,返品",
       "出荷伝票_山田商店.csv"},
      {"claim list",
       [this] {
         auto& w = Open<TFormClaimList>(FormId::ClaimList, kCustomerKind);
         w.DateTimePickerMonth->setDate(QDate(2024, 3, 1));
         return w.ListViewClaimList;
       },
       {"claims", "--kind", "customers", "--month", "2024-03"},
       ",月末,2024/03/31",
       "請求書作成_2024年03月.csv"},
      {"claim detail",
       [this] {
         auto& w = Open<TFormClaimDetail>(FormId::ClaimDetail, kCustomerKind);
         w.SetClaim(kYamada, EncodeDate(2024, 3, 1));
         w.hide();
         w.show();
         return w.ListViewClaimDetail;
       },
       {"claim-detail", "--customer", "0", "--month", "2024-03"},
       "2024/03/22,,",
       "請求明細_山田商店_2024年03月.csv"},
      {"item sales, zero rows hidden",
       [this] {
         auto& w = Open<TFormItemSalesList>(FormId::ItemSalesList);
         SetPeriod(w);
         w.CheckBoxZero->setChecked(true);
         w.ButtonRefresh->click();
         return w.ListViewSalesList;
       },
       {"sales", "--by", "item", "--from", "2024-03-01", "--to", "2024-03-31", "--hide-zero"},
       "A-1,鉛筆,1235,1235000,741000,494000",
       "商品別明細一覧_20240301-20240331.csv"},
      {"customer sales",
       [this] {
         auto& w = Open<TFormCustomerSalesList>(FormId::CustomerSalesList);
         SetPeriod(w);
         w.ButtonRefresh->click();
         return w.ListViewSalesList;
       },
       {"sales", "--by", "customer", "--from", "2024-03-01", "--to", "2024-03-31"},
       "\r\n",
       "出荷先別明細一覧_20240301-20240331.csv"},
      {"date sales",
       [this] {
         auto& w = Open<TFormDateSalesList>(FormId::DateSalesList);
         SetPeriod(w);
         w.ButtonRefresh->click();
         return w.ListViewSalesList;
       },
       {"sales", "--by", "date", "--from", "2024-03-01", "--to", "2024-03-31"},
       "2024/03/20,1234000",
       "日付別明細一覧_20240301-20240331.csv"},
      {"shipment returns with subtotals",
       [this] {
         auto& w = Open<TFormReturnList>(FormId::ReturnList);
         SetPeriod(w);
         w.ComboBoxKind->setCurrentIndex(1);
         w.CheckBoxSubTotal->setChecked(true);
         w.ButtonRefresh->click();
         return w.ListViewReturnList;
       },
       {"returns", "--kind", "shipment", "--from", "2024-03-01", "--to", "2024-03-31",
        "--subtotals"},
       "2024/03/21",
       "返品明細一覧_20240301-20240331.csv"},
  };
  for (const WindowCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = {"tenpo-cli", c.cli[0], file};
    args.insert(args.end(), c.cli.begin() + 1, c.cli.end());
    args.push_back("--as-shown");
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunCli(args, in, out, err), 0) << err.str();
    ASSERT_GT(out.str().size(), 3u);

    const QString path = dir.filePath(QStringLiteral("list.csv"));
    QFile::remove(path);
    script_.ChooseSaveFile(path);
    QTableWidget* view = c.open();
    view->findChild<QAction*>(QStringLiteral("ActionSaveCsv"))->trigger();
    EXPECT_EQ(ReadWholeFile(path), out.str());
    EXPECT_TRUE(script_.Messages().isEmpty());
    const QStringList lines =
        QString::fromStdString(out.str().substr(3)).split(QStringLiteral("\r\n"));
    QStringList captions;
    for (int col = 0; col < view->columnCount(); ++col) {
      if (!view->isColumnHidden(col)) captions << view->horizontalHeaderItem(col)->text();
    }
    EXPECT_EQ(lines.first(), captions.join(QLatin1Char(',')));
    EXPECT_EQ(lines.size(), view->rowCount() + 2);  // the header, the rows, the final line end
    EXPECT_NE(out.str().find(c.row), std::string::npos) << out.str();
    EXPECT_EQ(QFileInfo(script_.FileRequests().back().dir).fileName(), QString::fromUtf8(c.file));
  }
}

// Text a damaged file holds that is not CP932 would be written changed: the window refuses
// in Japanese and writes nothing.
TEST_F(ComputedListCsvTest, AListThatCannotBeWrittenFaithfullyIsRefusedInJapanese) {
  Slip damaged;
  damaged.kind = kShipmentSlip;
  damaged.partner = kYamada;
  damaged.date = EncodeDate(2024, 3, 6);
  damaged.number = "\xFF\xFE";
  damaged.AddLine(std::to_string(kPencil), "1", "1", "");
  doc_.slips.Add(damaged);
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("list.csv"));
  script_.ChooseSaveFile(path);
  List(kCustomerKind, 0)
      .ListViewSlipList->findChild<QAction*>(QStringLiteral("ActionSaveCsv"))
      ->trigger();
  EXPECT_EQ(script_.Messages(),
            QStringList{QStringLiteral(
                "文字として読めないデータが含まれているため、CSV ファイルに保存できません。")});
  EXPECT_FALSE(QFile::exists(path));
}

}  // namespace
