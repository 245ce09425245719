// The data file's layout, checked against bytes written out here rather than against the
// writer: a field swapped in both writer and reader would pass a save-then-reload test.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "data_file.h"
#include "field_io.h"
#include "number_text.h"

namespace {

// Every field of the file in order, each value distinct from every other of its kind.
const std::vector<std::string> kBody = {
    // company texts, numbers, bank texts, backup switch
    "Cname", "Cpost", "Cadr1", "Cadr2", "Cpers", "Ctel", "Cfax",  //
    "11", "3", "12", "2", "1",                                    //
    "Cbank", "Cbrch", "Ckind", "Cnum", "Chold", "0",              //
    // classification lists 1, 2, 3: count, then id and name
    "2", "0", "G1a", "5", "G1b",  //
    "1", "6", "G2",               //
    "1", "7", "G3",               //
    // units
    "2", "U1", "U2",
    // tax rates: rate, start, end
    "2", "3", "32599", "35520", "8", "41730", "-1",
    // products: id, code, name, kana, unit, price, cost, short code, remark, tax class,
    // classifications 1-3
    "1", "21", "Icode", "Iname", "Ikana", "Iunit", "123.5", "45.25", "Ispd", "Inote", "2", "5", "6",
    "7",
    // suppliers, then customers: id, name, postal, address 1 and 2, section, person, TEL,
    // FAX, collection place, opening and closing time, price rate, opening balance and
    // receipts, basis, closing day, payment month and day, decimals, rounding, note
    "1", "31", "Sname", "Spost", "Sadr1", "Sadr2", "Ssect", "Spers", "Stel", "Sfax", "Scoll",
    "0.375", "0.75", "95.5", "-12.3456", "100", "1", "20", "2", "25", "1", "2", "Snote",  //
    "1", "32", "Kname", "Kpost", "Kadr1", "Kadr2", "Ksect", "Kpers", "Ktel", "Kfax", "Kcoll",
    "0.4375", "0.8125", "80", "7", "8", "0", "15", "4", "16", "2", "1", "Knote",
    // slips: id, kind, date, number, partner, note, line count, lines (product, unit price,
    // quantity, note)
    "1", "41", "3", "45000", "Snum", "32", "Slnote", "2", "21", "250", "3", "L1", "99", "-1.5",
    "0.25", "L2",
    // remark phrases
    "1", "N1",
    // receipts, then payments: id, partner, date, amount, note
    "1", "51", "32", "45001", "1000", "R1",  //
    "1", "52", "31", "45002", "2000", "P1"};

std::string Field(const std::string& text) {
  const auto n = static_cast<uint32_t>(text.size());
  std::string out = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                     static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
  return out + text;
}

// The file: header fields plain, the stored password and everything after it enciphered.
std::string GoldenFile(const std::string& password) {
  std::string file = Field("TENPOLEDGER") + Field("1.00") + Field(password.empty() ? "0" : "-1");
  const auto body = [&](const std::string& text) {
    return Field(password.empty() ? text : EncryptText(text, password));
  };
  if (!password.empty()) file += body(password);
  for (const std::string& text : kBody) file += body(text);
  return file;
}

std::string I(int64_t v) {
  return IntToText(v);
}
std::string M(Money v) {
  return MoneyToText(v);
}
std::string R(double v) {
  return RealToText(v);
}

// Every value of the document beside the field it must have come from.
std::vector<std::pair<std::string, std::string>> Loaded(const Document& d) {
  const CompanySettings& c = d.company;
  std::vector<std::pair<std::string, std::string>> v = {
      {c.name, "Cname"},         {c.postal, "Cpost"},        {c.address1, "Cadr1"},
      {c.address2, "Cadr2"},     {c.person, "Cpers"},        {c.tel, "Ctel"},
      {c.fax, "Cfax"},           {I(c.closingDay), "11"},    {I(c.payMonth), "3"},
      {I(c.payDay), "12"},       {I(c.decimals), "2"},       {I(c.rounding), "1"},
      {c.bankName, "Cbank"},     {c.bankBranch, "Cbrch"},    {c.accountKind, "Ckind"},
      {c.accountNumber, "Cnum"}, {c.accountHolder, "Chold"}, {BoolToText(d.useBackup), "0"}};
  const auto group = [&](int list, int index) { return d.groups[list].Records().at(index); };
  v.insert(v.end(), {{I(d.groups[0].Count()), "2"},
                     {I(group(0, 0).id), "0"},
                     {group(0, 0).name, "G1a"},
                     {I(group(0, 1).id), "5"},
                     {group(0, 1).name, "G1b"},
                     {I(group(1, 0).id), "6"},
                     {group(1, 0).name, "G2"},
                     {I(group(2, 0).id), "7"},
                     {group(2, 0).name, "G3"},
                     {I(d.groups[1].Count() + d.groups[2].Count()), "2"},
                     {d.units.Strings().at(0), "U1"},
                     {d.units.Strings().at(1), "U2"},
                     {I(d.taxes.Count()), "2"},
                     {M(d.taxes.Get(0).rate), "3"},
                     {R(d.taxes.Get(0).start), "32599"},
                     {R(d.taxes.Get(0).end), "35520"},
                     {M(d.taxes.Get(1).rate), "8"},
                     {R(d.taxes.Get(1).start), "41730"},
                     {R(d.taxes.Get(1).end), "-1"}});
  const ItemRecord& i = d.items.Records().at(0);
  v.insert(v.end(), {{I(i.id), "21"},
                     {i.code, "Icode"},
                     {i.name, "Iname"},
                     {i.nameKana, "Ikana"},
                     {i.unit, "Iunit"},
                     {M(i.price), "123.5"},
                     {M(i.cost), "45.25"},
                     {i.speedCode, "Ispd"},
                     {i.note, "Inote"},
                     {I(i.taxClass), "2"},
                     {I(i.group1), "5"},
                     {I(i.group2), "6"},
                     {I(i.group3), "7"}});
  for (const CustomerList* list : {&d.suppliers, &d.customers}) {
    const CustomerRecord& p = list->Records().at(0);
    const std::string k = list == &d.suppliers ? "S" : "K";
    const bool s = k == "S";
    v.insert(v.end(), {{I(p.id), s ? "31" : "32"},
                       {p.name, k + "name"},
                       {p.postal, k + "post"},
                       {p.address1, k + "adr1"},
                       {p.address2, k + "adr2"},
                       {p.section, k + "sect"},
                       {p.person, k + "pers"},
                       {p.tel, k + "tel"},
                       {p.fax, k + "fax"},
                       {p.collectPlace, k + "coll"},
                       {R(p.openTime), s ? "0.375" : "0.4375"},
                       {R(p.closeTime), s ? "0.75" : "0.8125"},
                       {M(p.priceRate), s ? "95.5" : "80"},
                       {M(p.openingBalance), s ? "-12.3456" : "7"},
                       {M(p.openingReceipts), s ? "100" : "8"},
                       {I(p.basis), s ? "1" : "0"},
                       {I(p.closingDay), s ? "20" : "15"},
                       {I(p.payMonth), s ? "2" : "4"},
                       {I(p.payDay), s ? "25" : "16"},
                       {I(p.decimals), s ? "1" : "2"},
                       {I(p.rounding), s ? "2" : "1"},
                       {p.note, k + "note"}});
  }
  const Slip& slip = d.slips.Get(0);
  v.insert(v.end(), {{I(d.slips.Count()), "1"},
                     {I(slip.id), "41"},
                     {I(slip.kind), "3"},
                     {R(slip.date), "45000"},
                     {slip.number, "Snum"},
                     {I(slip.partner), "32"},
                     {slip.note, "Slnote"},
                     {I(slip.LineCount()), "2"},
                     {I(slip.GetLine(0).product), "21"},
                     {M(slip.GetLine(0).price), "250"},
                     {M(slip.GetLine(0).quantity), "3"},
                     {slip.GetLine(0).note, "L1"},
                     {I(slip.GetLine(1).product), "99"},
                     {M(slip.GetLine(1).price), "-1.5"},
                     {M(slip.GetLine(1).quantity), "0.25"},
                     {slip.GetLine(1).note, "L2"},
                     {d.lineNotes.Strings().at(0), "N1"}});
  for (const PaymentList* list : {&d.receipts, &d.payments}) {
    const Payment& p = list->Records().at(0);
    const bool r = list == &d.receipts;
    v.insert(v.end(), {{I(p.id), r ? "51" : "52"},
                       {I(p.partner), r ? "32" : "31"},
                       {R(p.date), r ? "45001" : "45002"},
                       {M(p.amount), r ? "1000" : "2000"},
                       {p.note, r ? "R1" : "P1"}});
  }
  return v;
}

TEST(DataFileLayout, GoldenFileLoadsFieldByFieldAndSavesByteForByte) {
  QTemporaryDir dir;
  for (const std::string password : {"", "pw"}) {
    SCOPED_TRACE(password);
    const std::string golden = GoldenFile(password);
    QFile file(dir.filePath(QStringLiteral("golden.TLG")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(golden.data(), static_cast<qint64>(golden.size()));
    file.close();

    Document doc;
    const OpenPrompts prompts{[&] { return std::optional<std::string>(password); },
                              [](const QString& m) { ADD_FAILURE() << m.toStdString(); }};
    ASSERT_EQ(OpenDocument(doc, file.fileName(), prompts), OpenResult::Opened);
    EXPECT_EQ(doc.usePassword, !password.empty());
    EXPECT_EQ(doc.password, password);
    const auto values = Loaded(doc);
    for (size_t i = 0; i < values.size(); ++i) {
      EXPECT_EQ(values[i].first, values[i].second) << "value " << i;
    }
    EXPECT_EQ(SerializeDocument(doc), golden);
  }
}

}  // namespace
