#pragma once

#include <QStringList>

struct CompanySettings;
struct CustomerRecord;

// The texts of a partner's row in the partner list, in column order: name, closing day,
// payment month and day, address. The days are the terms in force for the partner, the
// company's when its basis is the company.
QStringList PartnerRowTexts(const CompanySettings& company, const CustomerRecord& partner);
