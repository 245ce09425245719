#pragma once

#include "form_main.h"
#include "form_registry.h"
#include "master_forms.h"
#include "trade_forms.h"

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
