#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "id_list.h"
#include "money.h"

// Money received from a customer (入金) or paid to a supplier (支払).
struct Payment {
  static constexpr int kFieldCount = 5;

  int32_t id = 0;
  int32_t partner = 0;  // id in the customer list (receipts) or supplier list (payments)
  double date = 0;
  Money amount;
  std::string note;

  void Write(FieldOut& out) const;
  void Read(FieldIn& in);
  friend bool operator==(const Payment&, const Payment&) = default;
};

class PaymentList : public IdList<Payment> {
 public:
  bool Clear();
  bool Add(int32_t partner, double date, Money amount, std::string_view note);
  // Replaces date, amount and note of the record with that id; the partner stays.
  bool Update(int32_t id, std::string_view note, Money amount, double date);
  bool Delete(int32_t id);
  void SortByDate(int first, int last, bool ascending);

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);

 private:
  using IdList<Payment>::Delete;  // by index; this list deletes by id
};
