#include "partner_row.h"

#include "partner_terms.h"
#include "sjis_codec.h"
#include "term_choices.h"

QStringList PartnerRowTexts(const CompanySettings& company, const CustomerRecord& partner) {
  const PartnerTerms terms = EffectiveTerms(company, partner);
  return {FromSjis(partner.name), ClosingDayText(terms.closingDay),
          PaymentText(terms.payMonth, terms.payDay),
          FromSjis(partner.address1) + QLatin1Char(' ') + FromSjis(partner.address2)};
}
