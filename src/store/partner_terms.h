#pragma once

#include <cstdint>

#include "company.h"
#include "customer_list.h"

// The terms that billing, slip entry and printing apply to a partner.
struct PartnerTerms {
  int32_t closingDay = 0;
  int32_t payMonth = 0;
  int32_t payDay = 0;
  int32_t decimals = 0;
  int32_t rounding = 0;
  friend bool operator==(const PartnerTerms&, const PartnerTerms&) = default;
};

inline constexpr int32_t kBasisPartner = 0;  // 取引先: the partner's own terms
inline constexpr int32_t kBasisCompany = 1;  // 自社: the company's terms

// The company's terms when the partner's basis is the company, else the partner's own.
PartnerTerms EffectiveTerms(const CompanySettings& company, const CustomerRecord& partner);
