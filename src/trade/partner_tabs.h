#pragma once

#include <cstdint>
#include <optional>

class CustomerList;
class QTabBar;

// The windows that work on one partner at a time show one tab per partner of a list.

// One tab per partner, in list order, the first selected; the tab bar stays quiet.
void FillPartnerTabs(QTabBar* tabs, const CustomerList& partners);
// The partner of the selected tab; none when there are no partners.
std::optional<int32_t> PartnerOfTab(const QTabBar* tabs, const CustomerList& partners);
