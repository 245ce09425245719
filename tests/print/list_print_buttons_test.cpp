#include <QPushButton>

#include "form_customer_list.h"
#include "form_item_list.h"
#include "print_fixture.h"

namespace {

bool PrintsText(const Report& report, const QString& text) {
  for (const Page& page : DrawReport(report, PdfMetrics())) {
    for (const PageOp& op : page.ops) {
      if (const auto* t = std::get_if<TextOp>(&op); t != nullptr && t->text == text) return true;
    }
  }
  return false;
}

}  // namespace

TEST_F(PrintFormsTest, ProductListPrintsWhatItsViewShows) {
  doc_.items.Add("A-1", "\x8F\xA4\x95\x69", "", "", "1200", "800", "", "", 0, 0, 0, 0);  // 商品
  auto& list = *Forms().As<TFormItemList>(FormId::ItemList);
  script_.ExpectModal<TFormItemList>([&](TFormItemList& form) {
    script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& printer) {
      EXPECT_EQ(printer.Tag, kReportItemList);
      EXPECT_EQ(printer.CurrentReport().pageCount, 1);
      EXPECT_EQ(printer.CurrentReport().jobSuffix, QStringLiteral(" 登録商品一覧"));
      EXPECT_TRUE(PrintsText(printer.CurrentReport(), QStringLiteral("商品")));
      EXPECT_TRUE(PrintsText(printer.CurrentReport(), QStringLiteral("1,200")));
      printer.ButtonCancel->click();
    });
    form.ButtonPrint->click();
    form.accept();
  });
  ShowModal(&list);
}

TEST_F(PrintFormsTest, PartnerListTitleFollowsTheSideAndAnEmptyListIsRefused) {
  auto& list = *Forms().As<TFormCustomerList>(FormId::CustomerList);
  list.Tag = 0;
  script_.ExpectModal<TFormCustomerList>([](TFormCustomerList& form) {
    form.ButtonPrint->click();
    form.accept();
  });
  ShowModal(&list);
  EXPECT_EQ(script_.Messages(), QStringList{QStringLiteral("印刷対象がありません。")});

  CustomerRecord p;
  p.name = "ABC";
  doc_.suppliers.Add(p);
  script_.ExpectModal<TFormCustomerList>([&](TFormCustomerList& form) {
    script_.ExpectModal<TFormSetPrinter>([](TFormSetPrinter& printer) {
      EXPECT_EQ(printer.Tag, kReportPartnerList);
      EXPECT_TRUE(PrintsText(printer.CurrentReport(), QStringLiteral("仕入先一覧")));
      EXPECT_TRUE(PrintsText(printer.CurrentReport(), QStringLiteral("ABC")));
      printer.ButtonCancel->click();
    });
    form.ButtonPrint->click();
    form.accept();
  });
  ShowModal(&list);
}
