#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "field_stream.h"
#include "money.h"

// Slip kinds; kind % 2 is the partner kind and kinds above 1 are returns.
inline constexpr int kPurchaseSlip = 0;        // 仕入
inline constexpr int kShipmentSlip = 1;        // 出荷
inline constexpr int kPurchaseReturnSlip = 2;  // 仕入返品
inline constexpr int kShipmentReturnSlip = 3;  // 出荷返品

inline bool IsReturnSlip(int kind) {
  return kind > 1;
}

struct SlipLine {
  int32_t product = 0;  // id in the product list
  Money price;          // unit price
  Money quantity;
  std::string note;
  friend bool operator==(const SlipLine&, const SlipLine&) = default;
};

// One purchase or shipment, or a return of either, with its lines in entry order.
// Copies never share lines.
class Slip {
 public:
  int32_t id = 0;
  int32_t kind = 0;
  double date = 0;      // the date part only
  std::string number;   // the slip number the user types; free text
  int32_t partner = 0;  // id in the supplier list (kinds 0, 2) or customer list (1, 3)
  std::string note;

  bool ClearLines();
  // Amounts are typed texts read with ParseAmount; false when they do not parse.
  bool AddLine(std::string_view productId, std::string_view priceText,
               std::string_view quantityText, std::string_view note);
  // The note is stored as typed, like AddLine.
  bool UpdateLine(int index, int32_t productId, std::string_view note,
                  std::string_view quantityText, std::string_view priceText);
  bool DeleteLine(int index);
  // A blank line for an index outside the slip.
  SlipLine GetLine(int index) const {
    return index >= 0 && index < LineCount() ? lines_[static_cast<size_t>(index)] : SlipLine{};
  }
  int LineCount() const { return static_cast<int>(lines_.size()); }
  const std::vector<SlipLine>& Lines() const { return lines_; }
  // Unit price x quantity, exact to 1/10000; 0 for an index outside the slip.
  Money ExactLineAmount(int index) const;
  bool UsesProduct(int32_t productId) const;

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);
  // The same as LoadFromStream, throwing instead of returning false.
  void Read(FieldIn& in);
  void Write(FieldOut& out) const;

  friend bool operator==(const Slip&, const Slip&) = default;

 private:
  std::vector<SlipLine> lines_;
};

// The slips of a list in order, read-only: for (const Slip& slip : list.Slips()).
class SlipRange {
 public:
  using Stored = std::vector<std::shared_ptr<const Slip>>;
  class Iterator {
   public:
    explicit Iterator(Stored::const_iterator at) : at_(at) {}
    const Slip& operator*() const { return **at_; }
    const Slip* operator->() const { return at_->get(); }
    Iterator& operator++() {
      ++at_;
      return *this;
    }
    bool operator==(const Iterator&) const = default;

   private:
    Stored::const_iterator at_;
  };

  explicit SlipRange(const Stored& slips) : slips_(slips) {}
  Iterator begin() const { return Iterator(slips_.begin()); }
  Iterator end() const { return Iterator(slips_.end()); }
  size_t size() const { return slips_.size(); }
  bool empty() const { return slips_.empty(); }
  const Slip& operator[](size_t index) const { return *slips_[index]; }
  friend bool operator==(const SlipRange& a, const SlipRange& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
      if (!(a[i] == b[i])) return false;
    }
    return true;
  }

 private:
  const Stored& slips_;
};

// Whether the slip counts for a mode (0 purchases, 1 shipments): the mode's own slips and
// their returns.
inline bool IsOfMode(const Slip& slip, int mode) {
  return slip.kind == mode || slip.kind == mode + 2;
}

// All slips of the document, of both partner kinds, in order of entry. A stored slip is
// never changed in place (Update puts a new one in its place), so copies of the list
// share their slips: copying the document for a recovery copy costs next to nothing.
class SlipList {
 public:
  bool Clear();
  // Gives the slip a new id (written back into `slip`) and appends a copy.
  bool Add(Slip& slip);
  // Appends a copy with the slip's own id, unchecked: for temporary filtered lists.
  bool AddKeepingId(const Slip& slip);
  // Replaces the stored slip with the same id.
  bool Update(const Slip& slip);
  bool Delete(int32_t slipId);
  bool Exists(int32_t slipId) const { return IndexOf(slipId) >= 0; }
  int IndexOf(int32_t slipId) const;
  // The stored slip itself; do not keep it across changes of the list.
  const Slip& Get(int index) const { return *slips_[static_cast<size_t>(index)]; }
  const Slip* Find(int32_t slipId) const;
  bool IsProductUsed(int32_t productId) const;
  void SortByDate(int first, int last, bool ascending);
  int Count() const { return static_cast<int>(slips_.size()); }
  SlipRange Slips() const { return SlipRange(slips_); }

  bool SaveToStream(ByteWriter& stream, const FieldKey& key) const;
  bool LoadFromStream(ByteReader& stream, const FieldKey& key);

 private:
  int32_t NewId() const;
  SlipRange::Stored slips_;
};
