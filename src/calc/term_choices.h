#pragma once

#include <QString>
#include <QStringList>

// The choice lists of a partner's or the company's terms. Days and months are list
// positions: day 0 is the end of the month, day n the n-th; month 0 is the closing month.

// "月末", "1日" ... "28日"
QStringList DayChoices();
// "当月", "翌月", "翌々月", "3ヶ月後" ... "6ヶ月後"
QStringList PayMonthChoices();
// "使用しない", "小数点第1位まで", "小数点第2位まで"
QStringList DecimalsChoices();
// "切捨て", "切上げ", "四捨五入"
QStringList RoundingChoices();

// Paying in the closing month itself, the payment day may not come before the closing day.
// Days are list positions, so a payment at the month's end (0) always passes, and so does
// any payment day against a closing day at the month's end (also 0).
bool BreaksSameMonthRule(int closingDay, int payMonth, int payDay);

// A closing day as the lists show it: "月末" or "20日".
QString ClosingDayText(int day);
// A payment month and day as one text: "翌月25日", "当月月末", "3ヶ月後10日".
QString PaymentText(int month, int day);
