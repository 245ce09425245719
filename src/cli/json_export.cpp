#include "json_export.h"

#include <QString>
#include <cstdio>

#include "dates.h"
#include "number_text.h"
#include "sjis_codec.h"

namespace {

// Every value is checked to come back to the same stored text, so that export and import
// never change a byte silently.
class JsonOut {
 public:
  explicit JsonOut(std::string path) : path_(std::move(path)) {}

  Json Text(const std::string& sjis, const char* key) const {
    const QString text = FromSjis(sjis);
    const std::optional<std::string> back = ToSjis(text);
    if (!back || *back != sjis) Fail(key, "bytes that are not CP932 text");
    return text.toStdString();
  }
  Json Date(double date, const char* key) const {
    const Ymd ymd = DecodeDate(date);
    if (!IsValidYmd(ymd.year, ymd.month, ymd.day) ||
        RealToText(EncodeDate(ymd)) != RealToText(date)) {
      Fail(key, "a date that is not a whole day (" + RealToText(date) + ")");
    }
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", ymd.year, ymd.month, ymd.day);
    return buf;
  }
  Json Time(double time, const char* key) const {
    int h = 0;
    int m = 0;
    DecodeTime(time, h, m);
    if (RealToText(EncodeTime(h, m)) != RealToText(time)) {
      Fail(key, "a time that is not a whole minute of one day (" + RealToText(time) + ")");
    }
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", h, m);
    return buf;
  }
  static Json Amount(Money v) { return MoneyToText(v); }

  JsonOut Item(const char* list, size_t index) const {
    return JsonOut(Join(list) + "[" + std::to_string(index) + "]");
  }

 private:
  std::string Join(const char* key) const {
    if (*key == '\0') return path_;
    return path_.empty() ? key : path_ + "." + key;
  }
  [[noreturn]] void Fail(const char* key, const std::string& what) const {
    throw ExportError(Join(key) + ": " + what);
  }
  std::string path_;
};

Json CompanyJson(const CompanySettings& c) {
  const JsonOut o("company");
  return Json{{"name", o.Text(c.name, "name")},
              {"postal", o.Text(c.postal, "postal")},
              {"address1", o.Text(c.address1, "address1")},
              {"address2", o.Text(c.address2, "address2")},
              {"person", o.Text(c.person, "person")},
              {"tel", o.Text(c.tel, "tel")},
              {"fax", o.Text(c.fax, "fax")},
              {"closingDay", c.closingDay},
              {"payMonth", c.payMonth},
              {"payDay", c.payDay},
              {"decimals", c.decimals},
              {"rounding", c.rounding},
              {"bankName", o.Text(c.bankName, "bankName")},
              {"bankBranch", o.Text(c.bankBranch, "bankBranch")},
              {"accountKind", o.Text(c.accountKind, "accountKind")},
              {"accountNumber", o.Text(c.accountNumber, "accountNumber")},
              {"accountHolder", o.Text(c.accountHolder, "accountHolder")}};
}

Json GroupsJson(const Document& doc) {
  Json all = Json::array();
  for (size_t g = 0; g < doc.groups.size(); ++g) {
    Json list = Json::array();
    const auto& records = doc.groups[g].Records();
    for (size_t i = 0; i < records.size(); ++i) {
      const JsonOut o("groups[" + std::to_string(g) + "][" + std::to_string(i) + "]");
      list.push_back(Json{{"id", records[i].id}, {"name", o.Text(records[i].name, "name")}});
    }
    all.push_back(std::move(list));
  }
  return all;
}

Json TextsJson(const std::vector<std::string>& texts, const char* name) {
  Json list = Json::array();
  for (size_t i = 0; i < texts.size(); ++i) {
    list.push_back(JsonOut(std::string(name) + "[" + std::to_string(i) + "]").Text(texts[i], ""));
  }
  return list;
}

Json TaxJson(const TaxList& taxes, const char* name) {
  Json list = Json::array();
  for (int i = 0; i < taxes.Count(); ++i) {
    const TaxRate r = taxes.Get(i);
    const JsonOut o = JsonOut("").Item(name, static_cast<size_t>(i));
    list.push_back(Json{{"rate", JsonOut::Amount(r.rate)},
                        {"start", o.Date(r.start, "start")},
                        {"end", r.end == -1 ? Json(nullptr) : o.Date(r.end, "end")}});
  }
  return list;
}

Json ItemsJson(const ItemList& items) {
  Json list = Json::array();
  for (size_t i = 0; i < items.Records().size(); ++i) {
    const ItemRecord& r = items.Records()[i];
    const JsonOut o = JsonOut("").Item("items", i);
    list.push_back(Json{{"id", r.id},
                        {"code", o.Text(r.code, "code")},
                        {"name", o.Text(r.name, "name")},
                        {"kana", o.Text(r.nameKana, "kana")},
                        {"unit", o.Text(r.unit, "unit")},
                        {"price", JsonOut::Amount(r.price)},
                        {"cost", JsonOut::Amount(r.cost)},
                        {"speedCode", o.Text(r.speedCode, "speedCode")},
                        {"note", o.Text(r.note, "note")},
                        {"taxClass", r.taxClass},
                        {"group1", r.group1},
                        {"group2", r.group2},
                        {"group3", r.group3}});
  }
  return list;
}

Json PartnersJson(const CustomerList& partners, const char* name) {
  Json list = Json::array();
  for (size_t i = 0; i < partners.Records().size(); ++i) {
    const CustomerRecord& r = partners.Records()[i];
    const JsonOut o = JsonOut("").Item(name, i);
    list.push_back(Json{{"id", r.id},
                        {"name", o.Text(r.name, "name")},
                        {"postal", o.Text(r.postal, "postal")},
                        {"address1", o.Text(r.address1, "address1")},
                        {"address2", o.Text(r.address2, "address2")},
                        {"section", o.Text(r.section, "section")},
                        {"person", o.Text(r.person, "person")},
                        {"tel", o.Text(r.tel, "tel")},
                        {"fax", o.Text(r.fax, "fax")},
                        {"collectPlace", o.Text(r.collectPlace, "collectPlace")},
                        {"openTime", o.Time(r.openTime, "openTime")},
                        {"closeTime", o.Time(r.closeTime, "closeTime")},
                        {"priceRate", JsonOut::Amount(r.priceRate)},
                        {"openingBalance", JsonOut::Amount(r.openingBalance)},
                        {"openingReceipts", JsonOut::Amount(r.openingReceipts)},
                        {"basis", r.basis},
                        {"closingDay", r.closingDay},
                        {"payMonth", r.payMonth},
                        {"payDay", r.payDay},
                        {"decimals", r.decimals},
                        {"rounding", r.rounding},
                        {"note", o.Text(r.note, "note")}});
  }
  return list;
}

Json SlipsJson(const SlipList& slips) {
  Json list = Json::array();
  for (size_t i = 0; i < slips.Slips().size(); ++i) {
    const Slip& s = slips.Slips()[i];
    const JsonOut o = JsonOut("").Item("slips", i);
    Json lines = Json::array();
    for (size_t l = 0; l < s.Lines().size(); ++l) {
      const SlipLine& line = s.Lines()[l];
      lines.push_back(Json{{"item", line.product},
                           {"price", JsonOut::Amount(line.price)},
                           {"quantity", JsonOut::Amount(line.quantity)},
                           {"note", o.Item("lines", l).Text(line.note, "note")}});
    }
    list.push_back(Json{{"id", s.id},
                        {"kind", s.kind},
                        {"date", o.Date(s.date, "date")},
                        {"number", o.Text(s.number, "number")},
                        {"partner", s.partner},
                        {"note", o.Text(s.note, "note")},
                        {"lines", std::move(lines)}});
  }
  return list;
}

Json PaymentsJson(const PaymentList& payments, const char* name) {
  Json list = Json::array();
  for (size_t i = 0; i < payments.Records().size(); ++i) {
    const Payment& p = payments.Records()[i];
    const JsonOut o = JsonOut("").Item(name, i);
    list.push_back(Json{{"id", p.id},
                        {"partner", p.partner},
                        {"date", o.Date(p.date, "date")},
                        {"amount", JsonOut::Amount(p.amount)},
                        {"note", o.Text(p.note, "note")}});
  }
  return list;
}

Json InvoiceJson(const InvoiceSettings& s) {
  const JsonOut o("invoice");
  Json items = Json::array();
  for (int32_t id : s.reducedItems) items.push_back(id);
  return Json{{"enabled", s.enabled},
              {"registrationNumber", o.Text(s.registrationNumber, "registrationNumber")},
              {"reducedRates", TaxJson(s.reducedRates, "invoice.reducedRates")},
              {"reducedItems", std::move(items)}};
}

}  // namespace

Json DocumentToJson(const Document& doc) {
  Json j;
  j["password"] = doc.usePassword;
  j["company"] = CompanyJson(doc.company);
  j["backup"] = doc.useBackup;
  j["groups"] = GroupsJson(doc);
  j["units"] = TextsJson(doc.units.Strings(), "units");
  j["taxRates"] = TaxJson(doc.taxes, "taxRates");
  j["items"] = ItemsJson(doc.items);
  j["suppliers"] = PartnersJson(doc.suppliers, "suppliers");
  j["customers"] = PartnersJson(doc.customers, "customers");
  j["slips"] = SlipsJson(doc.slips);
  j["lineNotes"] = TextsJson(doc.lineNotes.Strings(), "lineNotes");
  j["receipts"] = PaymentsJson(doc.receipts, "receipts");
  j["payments"] = PaymentsJson(doc.payments, "payments");
  // Present exactly when the data file carries the block.
  if (!doc.invoice.IsDefault()) j["invoice"] = InvoiceJson(doc.invoice);
  // Likewise only when turned off.
  if (!doc.keepIssued) j["keepIssued"] = false;
  return j;
}
