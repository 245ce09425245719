#pragma once

#include "entry_form.h"
#include "item_fields.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class RadioGroup;
class TSsEdit;
struct ItemRecord;

// The product entry window, for adding (optionally several products in a row, "連続登録")
// and for changing one product. The product list prepares it before each showing.
class TFormItemAdd : public TEntryForm {
  Q_OBJECT

 public:
  explicit TFormItemAdd(Document& doc);

  QLineEdit* EditItemCode = nullptr;
  QLineEdit* EditName = nullptr;
  QLineEdit* EditNameKana = nullptr;
  QComboBox* ComboBoxTanni = nullptr;
  TSsEdit* SsEditPrice = nullptr;
  TSsEdit* SsEditCost = nullptr;
  QLineEdit* EditSpeedCode = nullptr;
  QComboBox* ComboBoxGroup1 = nullptr;
  QComboBox* ComboBoxGroup2 = nullptr;
  QComboBox* ComboBoxGroup3 = nullptr;
  RadioGroup* RadioGroupTax = nullptr;
  QCheckBox* CheckBoxReducedTax = nullptr;
  QLineEdit* EditNote = nullptr;
  QCheckBox* CheckBoxContinue = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  // Empty fields, price and cost "0", "税抜", every classification "指定なし", no
  // reduced rate.
  void PrepareAdd();
  void PrepareEdit(const ItemRecord& item);
  ItemFields Entered() const;
  // Whether products were added in continuous mode during this showing.
  bool AddedInSeries() const { return addedInSeries_; }

 public slots:
  void FormShow();
  void SsEditPriceEnter(TSsEdit* sender);
  void SsEditPriceExit(TSsEdit* sender);
  void SsEditPriceChange(TSsEdit* sender);

 protected:
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLayout();
  TSsEdit* AmountEdit();
  void FillChoices();
  void SetGroup(int part, int32_t id);
  int32_t GroupId(int part) const;
  QComboBox* GroupCombo(int part) const;
  bool Refuse(const QString& message, QWidget* field);

  bool editing_ = false;
  bool addedInSeries_ = false;
};
