#pragma once

#include "customer_list.h"
#include "entry_form.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTimeEdit;
class RadioGroup;
class TSsEdit;

// The entry window of one trading partner, supplier or customer alike; the partner list
// prepares it with the caption and the values to start from.
class TFormCustomerAdd : public TEntryForm {
  Q_OBJECT

 public:
  explicit TFormCustomerAdd(Document& doc);

  QLineEdit* EditName = nullptr;
  QLineEdit* EditPostal = nullptr;
  QLineEdit* EditAddress1 = nullptr;
  QLineEdit* EditAddress2 = nullptr;
  QLineEdit* EditSection = nullptr;
  QLineEdit* EditPerson = nullptr;
  QLineEdit* EditTel = nullptr;
  QLineEdit* EditFax = nullptr;
  QLineEdit* EditCollectPlace = nullptr;
  QTimeEdit* DateTimePickerOpen = nullptr;
  QTimeEdit* DateTimePickerClose = nullptr;
  TSsEdit* SsEditRate = nullptr;
  TSsEdit* SsEditKurikoshi = nullptr;
  TSsEdit* SsEditNyukin = nullptr;
  QLineEdit* EditNote = nullptr;
  RadioGroup* RadioGroupInitiative = nullptr;
  QComboBox* ComboBoxPeriod = nullptr;
  QComboBox* ComboBoxPayMonth = nullptr;
  QComboBox* ComboBoxPayDay = nullptr;
  RadioGroup* RadioGroupUnderOne = nullptr;
  RadioGroup* RadioGroupRound = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  // A default CustomerRecord gives the values of a new partner.
  void Prepare(const QString& caption, const CustomerRecord& partner);
  // The entered values; the id is the one the window was prepared with.
  CustomerRecord Entered() const;

 public slots:
  void FormShow();
  void SsEditRateEnter(TSsEdit* sender);
  void SsEditRateExit(TSsEdit* sender);
  void SsEditKurikoshiExit();
  void SsEditRateChange(TSsEdit* sender);
  void ComboBoxPayDayChange();
  void ComboBoxPeriodChange();
  void UpdatePayDayChoices();

 protected:
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildTerms();
  void BuildLayout();
  TSsEdit* AmountEdit(const QString& name);
  bool PaymentDayTooEarly() const;

  int32_t id_ = 0;
};
