#include "tax_list.h"

#include "dates.h"

bool TaxList::Clear() {
  rates_ = {
      {Money::FromInt(3), EncodeDate(1989, 4, 1), EncodeDate(1997, 3, 31)},
      {Money::FromInt(5), EncodeDate(1997, 4, 1), -1},
  };
  return true;
}

bool TaxList::Add(double start, Money rate) {
  if (!rates_.empty()) rates_.back().end = start - 1;
  rates_.push_back({rate, start, -1});
  return true;
}

bool TaxList::SetRate(int index, Money rate) {
  if (index < 0 || index >= Count()) return false;
  rates_[static_cast<size_t>(index)].rate = rate;
  return true;
}

bool TaxList::RemoveLast() {
  if (rates_.empty()) return false;
  rates_.pop_back();
  if (!rates_.empty()) rates_.back().end = -1;
  return true;
}

Money TaxList::RateAt(double date) const {
  return RateInForce(date).value_or(Money{});
}

std::optional<Money> TaxList::RateInForce(double date) const {
  for (auto it = rates_.rbegin(); it != rates_.rend(); ++it) {
    if (it->start > date) continue;
    if (it->end == -1 || date <= it->end) return it->rate;
  }
  return std::nullopt;
}

bool TaxList::SaveToStream(ByteWriter& stream, const FieldKey& key) const {
  FieldOut out(stream, key);
  out.Int(Count());
  for (const TaxRate& r : rates_) {
    out.Amount(r.rate);
    out.Real(r.start);
    out.Real(r.end);
  }
  return true;
}

bool TaxList::LoadFromStream(ByteReader& stream, const FieldKey& key) {
  Clear();
  try {
    FieldIn in(stream, key);
    rates_.resize(static_cast<size_t>(in.Count(3)));
    for (TaxRate& r : rates_) {
      r.rate = in.Amount();
      r.start = in.Date();
      r.end = in.Date();
    }
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

TaxList DefaultReducedRates() {
  TaxList list;
  list.Assign({{Money::FromInt(8), EncodeDate(2019, 10, 1), -1}});
  return list;
}

bool AddCurrentRates(TaxList& list) {
  const std::pair<double, int> rates[] = {{EncodeDate(2014, 4, 1), 8},
                                          {EncodeDate(2019, 10, 1), 10}};
  bool added = false;
  for (const auto& [start, percent] : rates) {
    // Entries follow each other in time: only a rate newer than the newest one is added.
    if (list.Count() > 0 && list.Get(list.Count() - 1).start >= start) continue;
    list.Add(start, Money::FromInt(percent));
    added = true;
  }
  return added;
}
