#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

// What a clerk types into a date, month or time picker, read as a whole: 2026/11/05,
// 2026-11-05, 2026.11.05, 20261105, 11/5 (this year), R8/11/5, 令和8年11月5日, H31/4/30.
// A lone short number fills the part the caret was in (the day 5, the year 24), as the
// picker's own part typing would. Nothing that is not a real day is ever returned: a
// date that does not exist, or an era year outside that era, gives nullopt.

enum class TypedPart { Year, Month, Day, Hour, Minute };

struct TypedDateContext {
  QDate current;  // what the picker holds: the parts a lone number leaves alone
  QDate today;    // the year of 11/5
  TypedPart part = TypedPart::Day;
};

std::optional<QDate> ReadTypedDate(const QString& text, const TypedDateContext& context);
// yyyy年MM月: the day of `context.current` is kept, or the month's last day if shorter.
std::optional<QDate> ReadTypedMonth(const QString& text, const TypedDateContext& context);
std::optional<QTime> ReadTypedTime(const QString& text, QTime current, TypedPart part);
