#include "typed_date.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

struct Era {
  QChar letter;
  const char16_t* name;
  QDate first;
  QDate last;
};

// The eras people still type; each ends the day before the next begins.
const std::array<Era, 4>& Eras() {
  static const std::array<Era, 4> eras{{
      {QLatin1Char('R'), u"令和", QDate(2019, 5, 1), QDate(9999, 12, 31)},
      {QLatin1Char('H'), u"平成", QDate(1989, 1, 8), QDate(2019, 4, 30)},
      {QLatin1Char('S'), u"昭和", QDate(1926, 12, 25), QDate(1989, 1, 7)},
      {QLatin1Char('T'), u"大正", QDate(1912, 7, 30), QDate(1926, 12, 24)},
  }};
  return eras;
}

// The typed text split into its numbers, with the era it began with (null for none).
struct Typed {
  const Era* era = nullptr;
  QStringList numbers;
  bool readable = false;
};

Typed Split(const QString& text) {
  // NFKC turns full-width digits, letters and separators from an input method into ASCII.
  QString t = text.normalized(QString::NormalizationForm_KC).trimmed().toUpper();
  Typed typed;
  for (const Era& era : Eras()) {
    const QString name = QString::fromUtf16(era.name);
    if (t.startsWith(name) || t.startsWith(era.letter)) {
      typed.era = &era;
      t = t.mid(t.startsWith(name) ? name.size() : 1).trimmed();
      if (t.startsWith(QChar(u'元'))) t.replace(0, 1, QStringLiteral("1"));
      break;
    }
  }
  static const QRegularExpression separators(QStringLiteral("[/\\-.:\\s年月日時分]+"));
  if (t.endsWith(QChar(u'日')) || t.endsWith(QChar(u'月')) || t.endsWith(QChar(u'分'))) t.chop(1);
  typed.numbers = t.split(separators, Qt::KeepEmptyParts);
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,8}$"));
  typed.readable =
      !t.isEmpty() && std::all_of(typed.numbers.begin(), typed.numbers.end(),
                                  [](const QString& n) { return digits.match(n).hasMatch(); });
  return typed;
}

// A year of one or two digits is this century's, or the last one's from 50, as Windows
// takes it; an era year counts from the era's first year.
std::optional<int> FullYear(const QString& digits, const Era* era) {
  const int n = digits.toInt();
  if (era) return n >= 1 ? std::optional<int>(era->first.year() + n - 1) : std::nullopt;
  if (digits.size() <= 2) return n < 50 ? 2000 + n : 1900 + n;
  return n;
}

std::optional<QDate> Day(std::optional<int> year, int month, int day, const Era* era) {
  if (!year) return std::nullopt;
  const QDate date(*year, month, day);
  if (!date.isValid()) return std::nullopt;
  if (era && (date < era->first || date > era->last)) return std::nullopt;
  return date;
}

// The same day in another year or month, or that month's last day when it is shorter.
QDate Clamped(int year, int month, int day) {
  if (month < 1 || month > 12) return {};
  return QDate(year, month, std::min(day, QDate(year, month, 1).daysInMonth()));
}

std::optional<QDate> Valid(const QDate& date) {
  return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// A lone number of up to four digits: the part the caret was in.
std::optional<QDate> LonePart(const QString& digits, const Era* era, const TypedDateContext& c) {
  const QDate& now = c.current;
  const int n = digits.toInt();
  switch (era ? TypedPart::Year : c.part) {
    case TypedPart::Year: {
      const std::optional<int> year = FullYear(digits, era);
      if (!year) return std::nullopt;
      const QDate date = Clamped(*year, now.month(), now.day());
      if (era && (date < era->first || date > era->last)) return std::nullopt;
      return Valid(date);
    }
    case TypedPart::Month:
      return Valid(Clamped(now.year(), n, now.day()));
    default:
      return Valid(QDate(now.year(), now.month(), n));
  }
}

}  // namespace

std::optional<QDate> ReadTypedDate(const QString& text, const TypedDateContext& c) {
  const Typed t = Split(text);
  if (!t.readable) return std::nullopt;
  const QStringList& n = t.numbers;
  if (n.size() == 3) return Day(FullYear(n[0], t.era), n[1].toInt(), n[2].toInt(), t.era);
  if (n.size() == 2 && !t.era) return Day(c.today.year(), n[0].toInt(), n[1].toInt(), nullptr);
  if (n.size() != 1) return std::nullopt;
  const QString& d = n[0];
  if (d.size() == 8 && !t.era)
    return Day(d.left(4).toInt(), d.mid(4, 2).toInt(), d.right(2).toInt(), nullptr);
  if (d.size() == 6)
    return Day(FullYear(d.left(2), t.era), d.mid(2, 2).toInt(), d.right(2).toInt(), t.era);
  if (d.size() <= 4) return LonePart(d, t.era, c);
  return std::nullopt;
}

std::optional<QDate> ReadTypedMonth(const QString& text, const TypedDateContext& c) {
  const Typed t = Split(text);
  if (!t.readable) return std::nullopt;
  const QStringList& n = t.numbers;
  const int day = c.current.day();
  const auto month = [&](std::optional<int> year, int m) -> std::optional<QDate> {
    if (!year) return std::nullopt;
    const QDate date = Clamped(*year, m, day);
    if (!date.isValid()) return std::nullopt;
    if (t.era &&
        (QDate(*year, m, date.daysInMonth()) < t.era->first || QDate(*year, m, 1) > t.era->last)) {
      return std::nullopt;
    }
    return date;
  };
  if (n.size() == 2 || n.size() == 3) return month(FullYear(n[0], t.era), n[1].toInt());
  if (n.size() != 1) return std::nullopt;
  const QString& d = n[0];
  if (d.size() == 6 && !t.era) return month(d.left(4).toInt(), d.right(2).toInt());
  if (d.size() > 4) return std::nullopt;
  if (t.era || c.part == TypedPart::Year) return month(FullYear(d, t.era), c.current.month());
  return month(c.current.year(), d.toInt());
}

std::optional<QTime> ReadTypedTime(const QString& text, QTime current, TypedPart part) {
  const Typed t = Split(text);
  if (!t.readable || t.era) return std::nullopt;
  const QStringList& n = t.numbers;
  const auto time = [](int h, int m) {
    const QTime value(h, m);
    return value.isValid() ? std::optional<QTime>(value) : std::nullopt;
  };
  if (n.size() == 2) return time(n[0].toInt(), n[1].toInt());
  if (n.size() != 1 || n[0].size() > 4) return std::nullopt;
  const QString& d = n[0];
  if (d.size() >= 3) return time(d.left(d.size() - 2).toInt(), d.right(2).toInt());
  if (part == TypedPart::Minute) return time(current.hour(), d.toInt());
  return time(d.toInt(), current.minute());
}
