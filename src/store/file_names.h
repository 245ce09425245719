#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The name a save dialog suggests for what is saved: the non-empty parts joined by "_",
// characters no file name may hold replaced by "_", then the extension
// ("請求書_株式会社ひまわり商店_2026年11月.pdf").
QString SuggestedFileName(const QStringList& parts, const QString& extension);
// "2026年11月".
QString YearMonthText(const QDate& date);
// "20261130".
QString DayText(const QDate& date);
