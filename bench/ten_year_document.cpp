#include "ten_year_document.h"

#include <random>
#include <string>
#include <vector>

#include "dates.h"

Document TenYearDocument(int days) {
  Document doc;
  std::mt19937 rng(7);
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
  for (int i = 0; i < 2000; ++i) {
    doc.items.Add("P" + std::to_string(10000 + i), "product " + std::to_string(i), "kana", "pc",
                  std::to_string(100 + pick(9000)) + ".5", std::to_string(50 + pick(5000)),
                  std::to_string(i), i % 7 == 0 ? "note" : "", i % 3, 0, 0, 0);
  }
  auto partners = [&](CustomerList& list, int n, const char* prefix) {
    std::vector<CustomerRecord> records(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      CustomerRecord& r = records[static_cast<size_t>(i)];
      r.id = i;
      r.name = prefix + std::to_string(i);
      r.postal = "100-0001";
      r.address1 = "Chiyoda 1-1";
      r.tel = "03-0000-0000";
      r.closingDay = i % 29;
      r.payMonth = i % 3;
    }
    list.AssignRecords(std::move(records));
  };
  partners(doc.suppliers, 100, "supplier ");
  partners(doc.customers, 500, "customer ");
  const double first = EncodeDate(2021, 1, 1);
  for (int i = 0; i < 100000; ++i) {
    Slip s;
    s.id = i;
    s.kind = pick(10) == 0 ? 3 : (i % 5 == 0 ? 0 : 1);
    s.partner = s.kind % 2 == 1 ? pick(500) : pick(100);
    s.date = first + pick(days);
    s.number = std::to_string(100000 + i);
    for (int l = 0; l < 5; ++l) {
      s.AddLine(std::to_string(pick(2000)), std::to_string(100 + pick(9000)),
                std::to_string(1 + pick(20)), l == 0 ? "remark" : "");
    }
    doc.slips.AddKeepingId(s);
  }
  std::vector<Payment> receipts(20000);
  for (int i = 0; i < 20000; ++i) {
    receipts[static_cast<size_t>(i)] =
        Payment{i, pick(500), first + pick(days), Money::FromInt(1000 + pick(100000)), ""};
  }
  doc.receipts.AssignRecords(std::move(receipts));
  return doc;
}
