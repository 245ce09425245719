#include "partner_terms.h"

PartnerTerms EffectiveTerms(const CompanySettings& company, const CustomerRecord& partner) {
  if (partner.basis == kBasisCompany) {
    return {company.closingDay, company.payMonth, company.payDay, company.decimals,
            company.rounding};
  }
  return {partner.closingDay, partner.payMonth, partner.payDay, partner.decimals, partner.rounding};
}
