#pragma once

#include <cstdint>
#include <string>

// The business's own data, printed on documents; its terms apply to partners whose
// basis of conditions is the company (自社).
struct CompanySettings {
  std::string name;
  std::string postal;
  std::string address1;
  std::string address2;
  std::string person;
  std::string tel;
  std::string fax;
  int32_t closingDay = 0;
  int32_t payMonth = 0;
  int32_t payDay = 0;
  int32_t decimals = 0;
  int32_t rounding = 0;
  std::string bankName;
  std::string bankBranch;
  std::string accountKind;
  std::string accountNumber;
  std::string accountHolder;

  friend bool operator==(const CompanySettings&, const CompanySettings&) = default;
};
