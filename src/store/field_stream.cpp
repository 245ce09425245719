#include "field_stream.h"

#include "dates.h"
#include "number_text.h"

void FieldOut::Int(int64_t v) {
  Text(IntToText(v));
}
void FieldOut::Amount(Money v) {
  Text(MoneyToText(v));
}
void FieldOut::Real(double v) {
  Text(RealToText(v));
}
void FieldOut::Bool(bool v) {
  Text(BoolToText(v));
}

int32_t FieldIn::Int() {
  return TextToInt(Text());
}
Money FieldIn::Amount() {
  return MoneyFromText(Text());
}
double FieldIn::Real() {
  return TextToReal(Text());
}
double FieldIn::Date() {
  const double v = Real();
  // Saving writes 15 digits: a day that would round out of range there is refused here.
  if (!IsDateInRange(v) || !IsDateInRange(TextToReal(RealToText(v))))
    throw ConvertError("date out of range: " + RealToText(v));
  return v;
}
bool FieldIn::Bool() {
  return TextToBool(Text());
}

int32_t FieldIn::Count(int fieldsPerRecord) {
  const int32_t count = Int();
  // A plain field takes 4 bytes at least, an enciphered one 12.
  const size_t minField = key_.Empty() ? 4 : 12;
  const size_t perRecord =
      minField * static_cast<size_t>(fieldsPerRecord > 0 ? fieldsPerRecord : 1);
  if (count < 0 || static_cast<size_t>(count) > stream_.Remaining() / perRecord) {
    throw StreamReadError();
  }
  return count;
}
