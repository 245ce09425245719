#pragma once

#include <QLineEdit>
#include <QStringList>

#include "form_main.h"
#include "form_registry.h"
#include "master_forms.h"
#include "trade_forms.h"
#include "ui_test_helpers.h"

// The main window with the master and transaction windows created over its document, as
// the program creates them; the windows go before the main window does.
class MainWindowWithForms {
 public:
  MainWindowWithForms() {
    FormFactories factories;
    AddMasterForms(factories);
    AddTradeForms(factories);
    Forms().Create(factories, main.Doc());
  }
  ~MainWindowWithForms() { Forms().Destroy(); }
  MainWindowWithForms(const MainWindowWithForms&) = delete;
  MainWindowWithForms& operator=(const MainWindowWithForms&) = delete;

  TFormMain main;
};

// The registered window shown afresh with its Tag, as each opening from the main window
// shows it.
template <class Form>
Form& ShowAfresh(FormId id, int tag) {
  auto* form = Forms().As<Form>(id);
  form->Tag = tag;
  form->hide();
  form->show();
  return *form;
}

// Types the text one key at a time into the field and gives the field's text after each key.
inline QStringList TextsWhileTyping(QLineEdit* field, const QString& text) {
  QStringList texts;
  for (const QChar c : text) {
    TypeText(field, QString(c));
    texts << field->text();
  }
  return texts;
}
