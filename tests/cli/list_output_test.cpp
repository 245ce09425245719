#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <sstream>

#include "cli.h"
#include "data_file.h"
#include "dates.h"
#include "json_in.h"

namespace {

struct Output {
  int status = -1;
  std::string out;
  std::string err;
};

// Shipments and returns of March 2024 for two customers, and a purchase return.
class ListOutputTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    Document d;
    d.useBackup = false;
    d.items.Add("A-1", "pencil", "", "", "1000", "600", "", "", 0, 0, 0, 0);
    d.items.Add("B-2", "pen", "", "", "33.33", "20", "", "", 0, 0, 0, 0);
    AddPartner(d.customers, "Yamada", 2);
    AddPartner(d.customers, "Sato, Ltd", 0);  // the comma is quoted in CSV
    AddPartner(d.suppliers, "Tanaka", 0);
    Store(d, kShipmentSlip, 0, EncodeDate(2024, 3, 1), "0", "1000.5", "10");
    Store(d, kShipmentReturnSlip, 1, EncodeDate(2024, 3, 31), "0", "1000", "2");
    Store(d, kShipmentReturnSlip, 1, EncodeDate(2024, 3, 2), "1", "33.33", "3");
    Store(d, kPurchaseReturnSlip, 0, EncodeDate(2024, 3, 2), "0", "500", "1");
    Store(d, kShipmentSlip, 0, EncodeDate(2024, 4, 1), "0", "1", "1");  // after the period
    file = dir.filePath("a.tlg").toStdString();
    SaveDocument(d, QString::fromStdString(file));
  }
  static void AddPartner(CustomerList& list, const char* name, int rounding) {
    CustomerRecord r;
    r.name = name;
    r.rounding = rounding;
    list.Add(r);
  }
  static void Store(Document& d, int kind, int32_t partner, double date, const char* product,
                    const char* price, const char* quantity) {
    Slip s;
    s.kind = kind;
    s.partner = partner;
    s.date = date;
    s.AddLine(product, price, quantity, "");
    d.slips.Add(s);
  }
  Output Cli(std::vector<std::string> args) {
    args.insert(args.begin(), "tenpo-cli");
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    Output r;
    r.status = RunCli(args, in, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
  Output March(const char* command, std::vector<std::string> more) {
    std::vector<std::string> args = {command, file, "--from", "2024-03-01", "--to", "2024-03-31"};
    args.insert(args.end(), more.begin(), more.end());
    return Cli(args);
  }

  QTemporaryDir dir;
  std::string file;
};

TEST_F(ListOutputTest, SalesAsJsonHoldTheWindowsRowsAndTotals) {
  const Output item = March("sales", {"--by", "item"});
  ASSERT_EQ(item.status, 0) << item.err;
  const Json j = Json::parse(item.out);
  EXPECT_EQ(j["by"], "item");
  EXPECT_EQ(j["from"], "2024-03-01");
  EXPECT_EQ(j["to"], "2024-03-31");
  // 10,005 (half up) less 2,000 returned; the pen returned by Sato at truncation: 99.
  EXPECT_EQ(j["rows"][0].dump(), R"({"id":0,"code":"A-1","name":"pencil","quantity":"8",)"
                                 R"("amount":"8005","cost":"4800","profit":"3205"})");
  EXPECT_EQ(j["rows"][1]["amount"], "-99");
  EXPECT_EQ(j["totals"].dump(), R"({"amount":"7906","cost":"4740","profit":"3166"})");

  const Json customers = Json::parse(March("sales", {"--by", "customer", "--hide-zero"}).out);
  ASSERT_EQ(customers["rows"].size(), 2u);
  EXPECT_EQ(customers["rows"][1].dump(),
            R"({"id":1,"name":"Sato, Ltd","sales":"-2099","cost":"-1260","profit":"-839"})");
  EXPECT_EQ(customers["totals"]["sales"], "7906");

  const Json days = Json::parse(March("sales", {"--by", "date", "--hide-zero"}).out);
  ASSERT_EQ(days["rows"].size(), 3u);
  EXPECT_EQ(days["rows"][2].dump(),
            R"({"date":"2024-03-31","sales":"-2000","cost":"-1200","profit":"-800"})");
  EXPECT_EQ(Json::parse(March("sales", {"--by", "date"}).out)["rows"].size(), 31u);
}

TEST_F(ListOutputTest, CsvHasAHeaderAndTheSameKeysAsColumns) {
  const Output customers = March("sales", {"--by", "customer", "--format", "csv"});
  ASSERT_EQ(customers.status, 0) << customers.err;
  EXPECT_EQ(customers.out,
            "id,name,sales,cost,profit\n"
            "0,Yamada,10005,6000,4005\n"
            "1,\"Sato, Ltd\",-2099,-1260,-839\n");

  const Output returns = March("returns", {"--kind", "shipment", "--subtotals", "--format", "csv"});
  ASSERT_EQ(returns.status, 0) << returns.err;
  EXPECT_EQ(returns.out,
            "code,name,quantity,price,amount,date,partner,subtotal\n"
            "A-1,pencil,2,1000,2000,2024-03-31,\"Sato, Ltd\",\n"
            "B-2,pen,3,33.33,99.99,2024-03-02,\"Sato, Ltd\",\n"
            ",\"Sato, Ltd \xE5\xB0\x8F\xE8\xA8\x88\",5,,2099.99,,,true\n");
}

TEST_F(ListOutputTest, ReturnsAsJsonShowUnroundedAmountsAndSubtotalsWithoutPrice) {
  const Json plain = Json::parse(March("returns", {"--kind", "shipment"}).out);
  EXPECT_EQ(plain["kind"], "shipment");
  ASSERT_EQ(plain["rows"].size(), 2u);
  EXPECT_EQ(plain["rows"][1].dump(),
            R"({"code":"B-2","name":"pen","quantity":"3","price":"33.33","amount":"99.99",)"
            R"("date":"2024-03-02","partner":"Sato, Ltd"})");
  EXPECT_EQ(plain["totals"].dump(), R"({"quantity":"5","amount":"2099.99"})");

  const Json sub = Json::parse(March("returns", {"--kind", "shipment", "--subtotals"}).out);
  ASSERT_EQ(sub["rows"].size(), 3u);
  EXPECT_EQ(sub["rows"][2]["subtotal"], true);
  EXPECT_FALSE(sub["rows"][2].contains("price"));
  EXPECT_FALSE(sub["rows"][0].contains("subtotal"));

  const Json purchases = Json::parse(March("returns", {"--kind", "purchase"}).out);
  ASSERT_EQ(purchases["rows"].size(), 1u);
  EXPECT_EQ(purchases["rows"][0]["partner"], "Tanaka");
}

TEST_F(ListOutputTest, BadOptionsAreUsageErrorsAndUnreadableFilesRefusals) {
  struct Case {
    std::vector<std::string> args;
    int status;
  };
  const std::string missing = dir.filePath("none.tlg").toStdString();
  const Case cases[] = {
      {{"sales", file, "--from", "2024-03-01", "--to", "2024-03-31"}, 2},  // no --by
      {{"sales", file, "--by", "week", "--from", "2024-03-01", "--to", "2024-03-31"}, 2},
      {{"sales", file, "--by", "item", "--from", "2024-02-30", "--to", "2024-03-31"}, 2},
      {{"sales", file, "--by", "item", "--from", "2024-3-1", "--to", "2024-03-31"}, 2},
      {{"sales", file, "--by", "item", "--from", "2024-03-01", "--to", "2024-03-31", "--format",
        "xml"},
       2},
      {{"sales", file, "--by", "item", "--from", "2024-03-01", "--to", "2024-03-31", "--subtotals"},
       2},
      {{"returns", file, "--kind", "both", "--from", "2024-03-01", "--to", "2024-03-31"}, 2},
      {{"returns", missing, "--kind", "purchase", "--from", "2024-03-01", "--to", "2024-03-31"}, 1},
      {{"export", file, "--by", "item"}, 2},
  };
  for (const Case& c : cases) {
    const Output r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args[2] << " " << r.err;
    EXPECT_TRUE(r.out.empty());
  }
  EXPECT_NE(Cli({"--help"}).out.find("tenpo-cli returns FILE --kind purchase|shipment"),
            std::string::npos);
}

}  // namespace
