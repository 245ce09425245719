#include "partner_tabs.h"

#include <QSignalBlocker>
#include <QTabBar>

#include "customer_list.h"
#include "sjis_codec.h"

void FillPartnerTabs(QTabBar* tabs, const CustomerList& partners) {
  const QSignalBlocker quiet(tabs);
  while (tabs->count() > 0) tabs->removeTab(0);
  for (const CustomerRecord& partner : partners.Records()) tabs->addTab(FromSjis(partner.name));
  tabs->setCurrentIndex(0);
}

std::optional<int32_t> PartnerOfTab(const QTabBar* tabs, const CustomerList& partners) {
  const int tab = tabs->currentIndex();
  if (tab < 0 || tab >= partners.Count()) return std::nullopt;
  return partners.Records()[static_cast<size_t>(tab)].id;
}
