#include "customer_list.h"

void CustomerRecord::Write(FieldOut& out) const {
  out.Int(id);
  out.Text(name);
  out.Text(postal);
  out.Text(address1);
  out.Text(address2);
  out.Text(section);
  out.Text(person);
  out.Text(tel);
  out.Text(fax);
  out.Text(collectPlace);
  out.Real(openTime);
  out.Real(closeTime);
  out.Amount(priceRate);
  out.Amount(openingBalance);
  out.Amount(openingReceipts);
  out.Int(basis);
  out.Int(closingDay);
  out.Int(payMonth);
  out.Int(payDay);
  out.Int(decimals);
  out.Int(rounding);
  out.Text(note);
}

void CustomerRecord::Read(FieldIn& in) {
  id = in.Int();
  name = in.Text();
  postal = in.Text();
  address1 = in.Text();
  address2 = in.Text();
  section = in.Text();
  person = in.Text();
  tel = in.Text();
  fax = in.Text();
  collectPlace = in.Text();
  openTime = in.Date();
  closeTime = in.Date();
  priceRate = in.Amount();
  openingBalance = in.Amount();
  openingReceipts = in.Amount();
  basis = in.Int();
  closingDay = in.Int();
  payMonth = in.Int();
  payDay = in.Int();
  decimals = in.Int();
  rounding = in.Int();
  note = in.Text();
}

bool CustomerList::Clear() {
  Mutable().clear();
  return true;
}

bool CustomerList::Add(const CustomerRecord& fields) {
  CustomerRecord r = fields;
  r.id = NewId();
  Mutable().push_back(std::move(r));
  return true;
}

bool CustomerList::Update(int index, const CustomerRecord& fields) {
  if (!Valid(index)) return false;
  CustomerRecord& r = Mutable()[static_cast<size_t>(index)];
  const int32_t id = r.id;
  r = fields;
  r.id = id;
  return true;
}

bool CustomerList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  return SaveRecords(stream, key);
}

bool CustomerList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  return LoadRecords(stream, key);
}
