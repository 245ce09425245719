#pragma once

#include <QComboBox>
#include <QString>

#include <string>

#include <gtest/gtest.h>

#include "dialog_script.h"
#include "document.h"
#include "form_registry.h"
#include "master_forms.h"
#include "sjis_codec.h"
#include "text_bytes.h"

// The master-data windows over a document of the test's own, created through the
// registry as the program creates them, with a dialog script standing in for the user.
class MasterFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    FormFactories factories;
    AddMasterForms(factories);
    Forms().Create(factories, doc_);
  }
  void TearDown() override { Forms().Destroy(); }

  template <class T>
  T& Form(FormId id) {
    T* form = Forms().As<T>(id);
    EXPECT_NE(form, nullptr);
    return *form;
  }

  // CP932 bytes for the store, and back.
  static std::string Sjis(const QString& text) { return TextBytes(text); }
  static QString Text(const std::string& bytes) { return FromSjis(bytes); }

  // A pick in a drop-down list as the user makes it.
  static void Pick(QComboBox* combo, int index) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  }

  Document doc_;
  DialogScript script_;
};
