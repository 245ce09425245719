#pragma once

#include <QString>

#include <string>

#include <gtest/gtest.h>

#include "dates.h"
#include "dialog_script.h"
#include "document.h"
#include "form_registry.h"
#include "form_slip_add.h"
#include "form_slip_list.h"
#include "master_forms.h"
#include "print_forms.h"
#include "sjis_codec.h"
#include "text_bytes.h"
#include "trade_forms.h"

// The slip windows over a small business of the test's own: two products, three
// customers with different terms and one supplier, created through the registry as the
// program creates them, with a dialog script standing in for the user.
class TradeFormsTest : public testing::Test {
 protected:
  // Product ids 0 and 1; customer ids 0, 1, 2; supplier id 0.
  static constexpr int32_t kPencil = 0;  // 1,000, tax excluded, speed code 12
  static constexpr int32_t kEraser = 1;  // 33.33, tax included, speed code 2
  static constexpr int32_t kYamada = 0;  // rate 80 %, two decimals, round half up
  static constexpr int32_t kSato = 1;    // rate 100 %, no decimals, truncate
  static constexpr int32_t kSuzuki = 2;  // terms of the company: one decimal, round up

  void SetUp() override {
    FormFactories factories;
    AddMasterForms(factories);
    AddTradeForms(factories);
    Forms().Create(factories, doc_);
    doc_.company.decimals = 1;
    doc_.company.rounding = 1;
    doc_.items.Add("A-1", Sjis("鉛筆"), "", Sjis("本"), "1000", "600", "12", "", 0, 0, 0, 0);
    doc_.items.Add("B-2", Sjis("消しゴム"), "", Sjis("個"), "33.33", "20", "2", "", 1, 0, 0, 0);
    AddPartner(doc_.customers, "山田商店", 80, 2, 2, 0);
    AddPartner(doc_.customers, "佐藤商事", 100, 0, 0, 0);
    AddPartner(doc_.customers, "鈴木商会", 100, 0, 0, 1);
    AddPartner(doc_.suppliers, "田中問屋", 100, 0, 0, 0);
  }
  void TearDown() override { Forms().Destroy(); }

  // The windows again, with the printing windows the print buttons reach.
  void WithPrintWindows() {
    Forms().Destroy();
    FormFactories all;
    AddMasterForms(all);
    AddTradeForms(all);
    AddPrintForms(all);
    Forms().Create(all, doc_);
  }

  static std::string Sjis(const char* utf8) { return TextBytes(QString::fromUtf8(utf8)); }

  static void AddPartner(CustomerList& list, const char* name, int rate, int decimals, int rounding,
                         int basis) {
    CustomerRecord r;
    r.name = Sjis(name);
    r.priceRate = Money::FromInt(rate);
    r.decimals = decimals;
    r.rounding = rounding;
    r.basis = basis;
    list.Add(r);
  }

  // A slip stored as the list would store it; returns its id.
  int32_t StoreSlip(int kind, int32_t partner, double date, const char* price, const char* quantity,
                    int32_t product = kPencil, const char* note = "") {
    Slip slip;
    slip.kind = kind;
    slip.partner = partner;
    slip.date = date;
    slip.AddLine(std::to_string(product), price, quantity, Sjis(note));
    doc_.slips.Add(slip);
    return slip.id;
  }

  TFormSlipList& List(int mode, int tab = 0) {
    auto* list = Forms().As<TFormSlipList>(FormId::SlipList);
    list->Tag = mode;
    list->hide();  // shown afresh, as each opening from the main window does
    list->show();
    list->TabControlCustomerList->setCurrentIndex(tab);
    return *list;
  }

  Document doc_;
  DialogScript script_;
};
