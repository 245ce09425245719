#pragma once

#include <cstdint>
#include <string>

#include "id_list.h"
#include "money.h"

// Partner kinds: the kind selects the list, and slips and payments say which they mean.
inline constexpr int kSupplierKind = 0;  // 仕入先
inline constexpr int kCustomerKind = 1;  // 出荷先

// One trading partner. Fields in data-file order.
struct CustomerRecord {
  static constexpr int kFieldCount = 22;

  int32_t id = 0;
  std::string name;
  std::string postal;
  std::string address1;
  std::string address2;
  std::string section;
  std::string person;
  std::string tel;
  std::string fax;
  std::string collectPlace;
  double openTime = 10.0 / 24;  // fraction of a day
  double closeTime = 17.0 / 24;
  Money priceRate = Money::FromInt(100);  // percent of the product price
  Money openingBalance;
  Money openingReceipts;
  int32_t basis = 0;       // 0 the partner's own terms below, 1 the company's terms
  int32_t closingDay = 0;  // 0 end of month, 1..28 that day
  int32_t payMonth = 0;    // months after the closing month, 0 same month
  int32_t payDay = 0;      // 0 end of month, 1..28 that day
  int32_t decimals = 0;    // decimals setting for quantities and unit prices
  int32_t rounding = 0;    // rounding method for amounts
  std::string note;

  void Write(FieldOut& out) const;
  void Read(FieldIn& in);
  friend bool operator==(const CustomerRecord&, const CustomerRecord&) = default;
};

// Suppliers or customers; the document holds one list of each, numbered independently.
class CustomerList : public IdList<CustomerRecord> {
 public:
  bool Clear();
  // Appends the fields with a new id (the id of `fields` is ignored).
  bool Add(const CustomerRecord& fields);
  // Replaces every field but the id.
  bool Update(int index, const CustomerRecord& fields);

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);
};
