#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "form.h"

// The windows of the program, after the main window, in the order they are created.
enum class FormId {
  ItemList,
  ItemAdd,
  GroupList,
  GroupAdd,
  TanniList,
  TanniAdd,
  TaxList,
  CustomerList,
  CustomerAdd,
  Setting,
  SlipList,
  SlipAdd,
  LineNoteList,
  LineNoteAdd,
  LogIn,
  PaymentList,
  PaymentAdd,
  ClaimList,
  ItemSalesList,
  CustomerSalesList,
  DateSalesList,
  ClaimDetail,
  SetPrinter,
  Preview,
  ReturnList,
  DeliveryPrint,
  ReceiptPrint,
  Version,
  ArchiveSearch,
  MonthlyTrend,
};

using FormFactory = std::function<TForm*(Document& doc)>;
using FormFactories = std::map<FormId, FormFactory>;

// Every window but the main one, created once in the fixed order and reused. Windows
// open each other through it, so that a window opens another without knowing its folder.
class FormRegistry {
 public:
  // Creates each window that has a factory, in FormId order, over the document that the
  // main window owns (or a test's own document).
  void Create(const FormFactories& factories, Document& doc);
  // Destroys the windows in reverse order of creation.
  void Destroy();

  // Null for a screen that is not part of this build.
  TForm* Get(FormId id) const;
  template <class T>
  T* As(FormId id) const {
    return qobject_cast<T*>(Get(id));
  }

  ~FormRegistry();

 private:
  std::vector<std::pair<FormId, std::unique_ptr<TForm>>> forms_;
};

// The windows of the running program.
FormRegistry& Forms();
