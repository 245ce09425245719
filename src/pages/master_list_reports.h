#pragma once

#include "list_report_frame.h"
#include "report.h"

// The product list (登録商品一覧): rows as the product list shows them (code, name, unit,
// price, cost, short code, tax class).
Report ItemListReport(const ListSnapshot& snapshot);

// The partner list: rows as the partner list shows them (name, closing day, payment day,
// address); the title names the side.
Report PartnerListReport(const ListSnapshot& snapshot);
// "仕入先一覧" for suppliers (0), "出荷先一覧" for customers (1).
QString PartnerListTitle(int kind);

// The layouts, for tests that check every text stays in its column.
const ListLayout& ItemListLayout();
const ListLayout& PartnerListLayout();
