#include "program_forms.h"

#include "form_log_in.h"
#include "form_setting.h"
#include "form_version.h"
#include "master_forms.h"
#include "print_forms.h"
#include "trade_forms.h"

FormFactories ProgramForms() {
  FormFactories factories;
  factories[FormId::Setting] = [](Document& doc) { return new TFormSetting(doc); };
  factories[FormId::LogIn] = [](Document& doc) { return new TFormLogIn(doc); };
  factories[FormId::Version] = [](Document& doc) { return new TFormVersion(doc); };
  AddMasterForms(factories);
  AddTradeForms(factories);
  AddPrintForms(factories);
  return factories;
}
