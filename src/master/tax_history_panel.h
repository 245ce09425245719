#pragma once

#include <QDate>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "money.h"

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSsEdit;
class TaxList;

// What tells one rate history's panel from another: the infix of its control names
// ("ListView" + infix + "TaxList"), the word for its rates in captions and messages, and
// the heading above its table.
struct TaxHistoryVariant {
  QString infix;
  QString term;
  QString heading;
  // The reduced history, a single rate to begin with, may be cut back to nothing and begun
  // again on any day; the standard one keeps its earliest day until the next addition.
  bool freeStartWhenEmpty = false;
};

// One rate history: its table, then adding a rate after the newest, changing a rate and
// deleting the newest. Changes go into the list at once.
class TaxHistoryPanel : public QWidget {
  Q_OBJECT

 public:
  // `changed` runs after every change of the list.
  TaxHistoryPanel(TaxList& rates, const TaxHistoryVariant& variant, std::function<void()> changed,
                  QWidget* parent);

  QTableWidget* Table;
  QLabel* LabelToday;
  QGroupBox* GroupBoxAdd;
  QDateEdit* StartDay;
  TSsEdit* RateAdd;
  QPushButton* ButtonAdd;
  QGroupBox* GroupBoxEdit;
  QLineEdit* StartDayEdit;
  TSsEdit* RateEdit;
  QPushButton* ButtonEdit;
  QGroupBox* GroupBoxDelete;
  QPushButton* ButtonDelete;

  // The table and the add group afresh from the list.
  void Show();
  void SelectItem();
  void AddClick();
  void EditClick();
  void DeleteClick();

 private:
  void BuildAddGroup();
  void BuildEditGroup();
  void BuildDeleteGroup();
  QString Name(const char* prefix, const char* suffix) const;
  void RefreshTable();
  void ResetAddGroup();
  // The rate typed into the field, or nothing after telling the user what is wrong.
  std::optional<Money> RateOf(TSsEdit* field);

  TaxList& rates_;
  TaxHistoryVariant variant_;
  std::function<void()> changed_;
  QDate firstAllowed_;
};
