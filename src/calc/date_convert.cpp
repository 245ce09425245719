#include "date_convert.h"

#include "dates.h"

QDate ToQDate(double date) {
  const Ymd ymd = DecodeDate(date);
  return QDate(ymd.year, ymd.month, ymd.day);
}

double FromQDate(const QDate& date) {
  return EncodeDate(date.year(), date.month(), date.day());
}

QString ShortDateText(double date) {
  return ToQDate(date).toString(QStringLiteral("yyyy/MM/dd"));
}
