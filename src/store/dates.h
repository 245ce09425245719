#pragma once

// Dates are day counts from 1899-12-30 held in a double: the whole part is the day,
// the fraction the time of day, exactly as the data file stores them.

struct Ymd {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  friend bool operator==(const Ymd&, const Ymd&) = default;
};

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
bool IsValidYmd(int year, int month, int day);
// Whether the day count falls within the years 1 to 9999, the only days a date may name.
bool IsDateInRange(double date);

double EncodeDate(int year, int month, int day);
double EncodeDate(const Ymd& ymd);
// The calendar day of the whole part (negative counts fall before 1899-12-30).
Ymd DecodeDate(double date);

// The day part only, for counts whose fraction holds a time of day.
double DatePart(double date);
double EncodeTime(int hour, int minute);
// Hours and minutes of the fraction, rounded to the nearest minute.
void DecodeTime(double time, int& hour, int& minute);

double EndOfMonth(double date);
// Moves by whole months; a day past the end of the target month becomes its last day.
// The time of day is kept.
double IncMonth(double date, int months);
double Today();
