#include "json_import.h"

#include <set>

namespace {

CompanySettings ReadCompany(const JsonIn& j) {
  j.ExpectObject({"name", "postal", "address1", "address2", "person", "tel", "fax", "closingDay",
                  "payMonth", "payDay", "decimals", "rounding", "bankName", "bankBranch",
                  "accountKind", "accountNumber", "accountHolder"});
  CompanySettings c;
  c.name = j.At("name").Text();
  c.postal = j.At("postal").Text();
  c.address1 = j.At("address1").Text();
  c.address2 = j.At("address2").Text();
  c.person = j.At("person").Text();
  c.tel = j.At("tel").Text();
  c.fax = j.At("fax").Text();
  c.closingDay = j.At("closingDay").Int32();
  c.payMonth = j.At("payMonth").Int32();
  c.payDay = j.At("payDay").Int32();
  c.decimals = j.At("decimals").Int32();
  c.rounding = j.At("rounding").Int32();
  c.bankName = j.At("bankName").Text();
  c.bankBranch = j.At("bankBranch").Text();
  c.accountKind = j.At("accountKind").Text();
  c.accountNumber = j.At("accountNumber").Text();
  c.accountHolder = j.At("accountHolder").Text();
  return c;
}

void ReadGroups(const JsonIn& j, Document& doc) {
  if (j.ArraySize() != doc.groups.size()) j.Fail("expected three classification lists");
  for (size_t g = 0; g < doc.groups.size(); ++g) {
    const JsonIn list = j.At(g);
    std::vector<GroupRecord> records(list.ArraySize());
    for (size_t i = 0; i < records.size(); ++i) {
      const JsonIn e = list.At(i);
      e.ExpectObject({"id", "name"});
      records[i] = GroupRecord{e.At("id").Id(), e.At("name").Text()};
    }
    doc.groups[g].AssignRecords(std::move(records));
  }
}

template <typename List>
void ReadTexts(const JsonIn& j, List& list) {
  list.Clear();
  const size_t n = j.ArraySize();
  for (size_t i = 0; i < n; ++i) list.Add(j.At(i).Text());
}

void ReadTaxes(const JsonIn& j, TaxList& taxes) {
  std::vector<TaxRate> rates(j.ArraySize());
  for (size_t i = 0; i < rates.size(); ++i) {
    const JsonIn e = j.At(i);
    e.ExpectObject({"rate", "start", "end"});
    rates[i] =
        TaxRate{e.At("rate").Amount(), e.At("start").Date(), e.At("end").DateOrNull().value_or(-1)};
  }
  taxes.Assign(std::move(rates));
}

void ReadItems(const JsonIn& j, Document& doc) {
  std::vector<ItemRecord> records(j.ArraySize());
  for (size_t i = 0; i < records.size(); ++i) {
    const JsonIn e = j.At(i);
    e.ExpectObject({"id", "code", "name", "kana", "unit", "price", "cost", "speedCode", "note",
                    "taxClass", "group1", "group2", "group3"});
    ItemRecord& r = records[i];
    r.id = e.At("id").Id();
    r.code = e.At("code").Text();
    r.name = e.At("name").Text();
    r.nameKana = e.At("kana").Text();
    r.unit = e.At("unit").Text();
    r.price = e.At("price").Amount();
    r.cost = e.At("cost").Amount();
    r.speedCode = e.At("speedCode").Text();
    r.note = e.At("note").Text();
    r.taxClass = e.At("taxClass").Int32();
    r.group1 = e.At("group1").Id();
    r.group2 = e.At("group2").Id();
    r.group3 = e.At("group3").Id();
  }
  doc.items.AssignRecords(std::move(records));
}

void ReadPartners(const JsonIn& j, CustomerList& list) {
  std::vector<CustomerRecord> records(j.ArraySize());
  for (size_t i = 0; i < records.size(); ++i) {
    const JsonIn e = j.At(i);
    e.ExpectObject({"id",
                    "name",
                    "postal",
                    "address1",
                    "address2",
                    "section",
                    "person",
                    "tel",
                    "fax",
                    "collectPlace",
                    "openTime",
                    "closeTime",
                    "priceRate",
                    "openingBalance",
                    "openingReceipts",
                    "basis",
                    "closingDay",
                    "payMonth",
                    "payDay",
                    "decimals",
                    "rounding",
                    "note"});
    CustomerRecord& r = records[i];
    r.id = e.At("id").Id();
    r.name = e.At("name").Text();
    r.postal = e.At("postal").Text();
    r.address1 = e.At("address1").Text();
    r.address2 = e.At("address2").Text();
    r.section = e.At("section").Text();
    r.person = e.At("person").Text();
    r.tel = e.At("tel").Text();
    r.fax = e.At("fax").Text();
    r.collectPlace = e.At("collectPlace").Text();
    r.openTime = e.At("openTime").Time();
    r.closeTime = e.At("closeTime").Time();
    r.priceRate = e.At("priceRate").Amount();
    r.openingBalance = e.At("openingBalance").Amount();
    r.openingReceipts = e.At("openingReceipts").Amount();
    r.basis = e.At("basis").Int32();
    r.closingDay = e.At("closingDay").Int32();
    r.payMonth = e.At("payMonth").Int32();
    r.payDay = e.At("payDay").Int32();
    r.decimals = e.At("decimals").Int32();
    r.rounding = e.At("rounding").Int32();
    r.note = e.At("note").Text();
  }
  list.AssignRecords(std::move(records));
}

void ReadSlips(const JsonIn& j, SlipList& slips) {
  slips.Clear();
  const size_t n = j.ArraySize();
  for (size_t i = 0; i < n; ++i) {
    const JsonIn e = j.At(i);
    e.ExpectObject({"id", "kind", "date", "number", "partner", "note", "lines"});
    Slip s;
    s.id = e.At("id").Id();
    s.kind = e.At("kind").Int32();
    s.date = e.At("date").Date();
    s.number = e.At("number").Text();
    s.partner = e.At("partner").Id();
    s.note = e.At("note").Text();
    const JsonIn lines = e.At("lines");
    const size_t count = lines.ArraySize();
    for (size_t l = 0; l < count; ++l) {
      const JsonIn line = lines.At(l);
      line.ExpectObject({"item", "price", "quantity", "note"});
      // Through the same text form the slip window hands over, so nothing differs.
      s.AddLine(std::to_string(line.At("item").Id()), MoneyToText(line.At("price").Amount()),
                MoneyToText(line.At("quantity").Amount()), line.At("note").Text());
    }
    slips.AddKeepingId(s);
  }
}

void ReadPayments(const JsonIn& j, PaymentList& list) {
  std::vector<Payment> records(j.ArraySize());
  for (size_t i = 0; i < records.size(); ++i) {
    const JsonIn e = j.At(i);
    e.ExpectObject({"id", "partner", "date", "amount", "note"});
    records[i] = Payment{e.At("id").Id(), e.At("partner").Id(), e.At("date").Date(),
                         e.At("amount").Amount(), e.At("note").Text()};
  }
  list.AssignRecords(std::move(records));
}

InvoiceSettings ReadInvoice(const JsonIn& j, const std::set<int32_t>& productIds) {
  j.ExpectObject({"enabled", "registrationNumber", "reducedRates", "reducedItems"});
  InvoiceSettings s;
  s.enabled = j.At("enabled").Bool();
  const JsonIn number = j.At("registrationNumber");
  s.registrationNumber = number.Text();
  if (!s.registrationNumber.empty() && !IsRegistrationNumber(s.registrationNumber)) {
    number.Fail("expected \"T\" and 13 digits");
  }
  ReadTaxes(j.At("reducedRates"), s.reducedRates);
  // As the settings window takes them: a registration number when enabled, and only
  // products the file has.
  if (s.enabled && s.registrationNumber.empty()) number.Fail("expected \"T\" and 13 digits");
  const JsonIn items = j.At("reducedItems");
  const size_t n = items.ArraySize();
  for (size_t i = 0; i < n; ++i) {
    const int32_t id = items.At(i).Id();
    if (!s.reducedItems.insert(id).second) items.At(i).Fail("repeated product id");
    if (productIds.count(id) == 0) items.At(i).Fail("no product with id " + std::to_string(id));
  }
  return s;
}

}  // namespace

Document JsonToDocument(const Json& json) {
  const JsonIn j(json, "");
  const bool hasInvoice = json.is_object() && json.contains("invoice");
  const bool hasSwitch = json.is_object() && json.contains("keepIssued");
  std::vector<std::string> keys = {"password",  "company",  "backup",    "groups",    "units",
                                   "taxRates",  "items",    "suppliers", "customers", "slips",
                                   "lineNotes", "receipts", "payments"};
  if (hasInvoice) keys.push_back("invoice");
  if (hasSwitch) keys.push_back("keepIssued");
  j.ExpectObject(keys);
  Document doc;
  doc.usePassword = j.At("password").Bool();
  doc.company = ReadCompany(j.At("company"));
  doc.useBackup = j.At("backup").Bool();
  ReadGroups(j.At("groups"), doc);
  ReadTexts(j.At("units"), doc.units);
  ReadTaxes(j.At("taxRates"), doc.taxes);
  ReadItems(j.At("items"), doc);
  ReadPartners(j.At("suppliers"), doc.suppliers);
  ReadPartners(j.At("customers"), doc.customers);
  ReadSlips(j.At("slips"), doc.slips);
  ReadTexts(j.At("lineNotes"), doc.lineNotes);
  ReadPayments(j.At("receipts"), doc.receipts);
  ReadPayments(j.At("payments"), doc.payments);
  if (hasInvoice) {
    std::set<int32_t> productIds;
    for (const ItemRecord& item : doc.items.Records()) productIds.insert(item.id);
    doc.invoice = ReadInvoice(j.At("invoice"), productIds);
  }
  if (hasSwitch) doc.keepIssued = j.At("keepIssued").Bool();
  return doc;
}

namespace {

// The document, its lists, a record, a slip's lines and a line make five; the rest is room.
constexpr int kMaxJsonDepth = 16;

void RefuseDeepNesting(std::string_view text) {
  int depth = 0;
  bool inString = false;
  bool escaped = false;
  for (const char c : text) {
    if (inString) {
      if (escaped) {
        escaped = false;
      } else if (c == '\\') {
        escaped = true;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxJsonDepth) {
        throw ImportError("not readable JSON: nested deeper than " + std::to_string(kMaxJsonDepth) +
                          " levels");
      }
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
}

}  // namespace

Json ParseImportJson(std::string_view text) {
  RefuseDeepNesting(text);
  try {
    return Json::parse(text.begin(), text.end());
  } catch (const Json::exception& e) {
    throw ImportError(std::string("not readable JSON: ") + e.what());
  }
}
