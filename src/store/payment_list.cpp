#include "payment_list.h"

#include "date_sort.h"

void Payment::Write(FieldOut& out) const {
  out.Int(id);
  out.Int(partner);
  out.Real(date);
  out.Amount(amount);
  out.Text(note);
}

void Payment::Read(FieldIn& in) {
  id = in.Int();
  partner = in.Int();
  date = in.Date();
  amount = in.Amount();
  note = in.Text();
}

bool PaymentList::Clear() {
  Mutable().clear();
  return true;
}

bool PaymentList::Add(int32_t partner, double date, Money amount, std::string_view note) {
  Mutable().push_back(Payment{NewId(), partner, date, amount, std::string(note)});
  return true;
}

bool PaymentList::Update(int32_t id, std::string_view note, Money amount, double date) {
  const int index = IndexOf(id);
  if (index < 0) return false;
  Payment& p = Mutable()[static_cast<size_t>(index)];
  p.note = note;
  p.amount = amount;
  p.date = date;
  return true;
}

bool PaymentList::Delete(int32_t id) {
  return IdList<Payment>::Delete(IndexOf(id));
}

void PaymentList::SortByDate(int first, int last, bool ascending) {
  if (first < 0 || last >= Count()) return;
  SortRangeByDate(Mutable(), first, last, ascending, [](const Payment& p) { return p.date; });
}

bool PaymentList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  return SaveRecords(stream, key);
}

bool PaymentList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  return LoadRecords(stream, key);
}
