#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "field_stream.h"
#include "money.h"

// One consumption-tax rate and the days it applies.
struct TaxRate {
  Money rate;        // percent: 5 % is 5
  double start = 0;  // first day
  double end = -1;   // last day; -1 = no end (the newest entry)
  friend bool operator==(const TaxRate&, const TaxRate&) = default;
};

// The history of tax rates, oldest first; each entry ends the day before the next starts.
class TaxList {
 public:
  TaxList() { Clear(); }

  // Back to 3 % from 1989/04/01 to 1997/03/31 and 5 % from 1997/04/01 without end.
  bool Clear();
  // Appends a rate without end; the entry before it ends the day before `start`.
  bool Add(double start, Money rate);
  bool SetRate(int index, Money rate);
  // Removes the newest entry; the one before it loses its end. Empty: every rate is 0.
  bool RemoveLast();
  TaxRate Get(int index) const { return rates_[static_cast<size_t>(index)]; }
  // The rate in force on the date; 0 when none is.
  Money RateAt(double date) const;
  // The same, but empty when no entry covers the date (a rate of 0 % is still a rate).
  std::optional<Money> RateInForce(double date) const;
  int Count() const { return static_cast<int>(rates_.size()); }
  // Takes over the entries as they are, ends included.
  void Assign(std::vector<TaxRate> rates) { rates_ = std::move(rates); }

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);

 private:
  std::vector<TaxRate> rates_;
};

// The reduced-rate history of a new document: 8 % from 2019/10/01 without end.
TaxList DefaultReducedRates();

// Adds the standard rates of today (8 % from 2014/04/01, 10 % from 2019/10/01) after the
// newest entry, each one only when the list ends before it starts. Whether any was added.
bool AddCurrentRates(TaxList& list);
