#pragma once

#include <QComboBox>
#include <QDate>
#include <QStringList>

#include <gtest/gtest.h>

#include "dialog_script.h"
#include "document.h"
#include "form_preview.h"
#include "form_registry.h"
#include "form_set_printer.h"
#include "master_forms.h"
#include "master_list_reports.h"
#include "pdf_output.h"
#include "print_forms.h"
#include "print_hand_off.h"

// The printing windows (and the list windows that print) over a document of the test's
// own, with a printer list of the test's choosing.
class PrintFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    FormFactories factories;
    AddMasterForms(factories);
    AddPrintForms(factories);
    Forms().Create(factories, doc_);
    UsePrinters({}, QString());
  }
  void TearDown() override { Forms().Destroy(); }

  TFormSetPrinter& SetPrinter() { return *Forms().As<TFormSetPrinter>(FormId::SetPrinter); }
  TFormPreview& Preview() { return *Forms().As<TFormPreview>(FormId::Preview); }

  void UsePrinters(const QStringList& names, const QString& defaultName) {
    PrinterCatalog c;
    c.names = [names] { return names; };
    c.defaultName = [defaultName] { return defaultName; };
    c.takesA4 = [](const QString& name) { return name != QStringLiteral("Label"); };
    SetPrinter().SetCatalog(c);
  }

  static Report Partners(int rows) {
    ListSnapshot s{PartnerListTitle(1), {}, QDate(2024, 4, 5)};
    for (int i = 1; i <= rows; ++i) {
      s.rows.push_back({QStringLiteral("出荷先%1").arg(i), QStringLiteral("月末"),
                        QStringLiteral("翌月末"), QStringLiteral("東京都")});
    }
    return PartnerListReport(s);
  }

  static void Pick(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  Document doc_;
  DialogScript script_;
};
