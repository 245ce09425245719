#include "form_registry.h"

FormRegistry::~FormRegistry() {
  Destroy();
}

void FormRegistry::Create(const FormFactories& factories, Document& doc) {
  Destroy();
  // std::map walks the ids in their declared order, which is the creation order.
  for (const auto& [id, factory] : factories) {
    forms_.emplace_back(id, std::unique_ptr<TForm>(factory(doc)));
  }
}

void FormRegistry::Destroy() {
  while (!forms_.empty()) forms_.pop_back();
}

TForm* FormRegistry::Get(FormId id) const {
  for (const auto& [formId, form] : forms_) {
    if (formId == id) return form.get();
  }
  return nullptr;
}

FormRegistry& Forms() {
  static FormRegistry registry;
  return registry;
}
