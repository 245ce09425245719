#pragma once

#include "form.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TSsEdit;
class TaxHistoryPanel;

// The consumption-tax rate history and beside it the reduced-rate history, each edited
// alike: add a rate after the newest, change any rate, delete the newest. Changes go into
// the document at once.
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

  QTableWidget* ListViewReducedTaxList;
  QGroupBox* GroupBoxReducedAdd;
  QDateEdit* DateTimePickerReducedStartDay;
  TSsEdit* SsEditReducedRateAdd;
  QPushButton* ButtonReducedTaxAdd;
  QGroupBox* GroupBoxReducedEdit;
  QLineEdit* EditReducedStartDayEdit;
  TSsEdit* SsEditReducedRateEdit;
  QPushButton* ButtonReducedTaxEdit;
  QGroupBox* GroupBoxReducedDelete;
  QPushButton* ButtonReducedTaxDelete;

  QPushButton* ButtonOk;

 public slots:
  void FormShow();
  void ListViewTaxListSelectItem();
  void ButtonTaxAddClick();
  void ButtonTaxEditClick();
  void ButtonTaxDeleteClick();
  void ListViewReducedTaxListSelectItem();
  void ButtonReducedTaxAddClick();
  void ButtonReducedTaxEditClick();
  void ButtonReducedTaxDeleteClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void TakeStandardControls();
  void TakeReducedControls();

  TaxHistoryPanel* standard_;
  TaxHistoryPanel* reduced_;
};
