#pragma once

#include <optional>

#include "form.h"
#include "money.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSsEdit;

// The consumption-tax rate history: add a rate after the newest, change any rate,
// delete the newest. Changes go into the document at once.
class TFormTaxList : public TForm {
  Q_OBJECT

 public:
  explicit TFormTaxList(Document& doc, QWidget* parent = nullptr);

  QTableWidget* ListViewTaxList;
  QGroupBox* GroupBoxAdd;
  QDateEdit* DateTimePickerStartDay;
  TSsEdit* SsEditRateAdd;
  QPushButton* ButtonTaxAdd;
  QGroupBox* GroupBoxEdit;
  QLineEdit* EditStartDayEdit;
  TSsEdit* SsEditRateEdit;
  QPushButton* ButtonTaxEdit;
  QGroupBox* GroupBoxDelete;
  QPushButton* ButtonTaxDelete;
  QPushButton* ButtonOk;

 public slots:
  void FormShow();
  void ListViewTaxListSelectItem();
  void ButtonTaxAddClick();
  void ButtonTaxEditClick();
  void ButtonTaxDeleteClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void RefreshTable();
  void ResetAddGroup();
  // The rate typed into the field, or nothing after telling the user what is wrong.
  std::optional<Money> RateOf(TSsEdit* field);
};
