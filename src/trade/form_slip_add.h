#pragma once

#include <cstdint>

#include "entry_form.h"
#include "item_list.h"
#include "money.h"
#include "slip.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class TFindBar;
class QPushButton;
class QTableWidget;
class TSsEdit;

// One purchase or shipment slip, or a return of either, entered line by line. The slip
// list prepares it and stores the working slip when the window closes with OK; the window
// itself never writes to the document's slips.
class TFormSlipAdd : public TEntryForm {
  Q_OBJECT

 public:
  explicit TFormSlipAdd(Document& doc);

  QLineEdit* EditCustomer = nullptr;
  QDateEdit* DateTimePickerDate = nullptr;
  QLineEdit* EditSlipCode = nullptr;
  QComboBox* ComboBoxSlipKind = nullptr;
  QLineEdit* EditSpeedCode = nullptr;
  QListWidget* ListBoxItemSelect = nullptr;
  TFindBar* FindBar = nullptr;  // finds a product in the selection
  QLineEdit* EditItemCode = nullptr;
  QLineEdit* EditItemName = nullptr;
  TSsEdit* SsEditPrice = nullptr;
  TSsEdit* SsEditNum = nullptr;
  QLabel* LabelTanni = nullptr;
  TSsEdit* SsEditNumXPrice = nullptr;
  QComboBox* ComboBoxLineNote = nullptr;
  QPushButton* ButtonLineNote = nullptr;
  QPushButton* ButtonLineAdd = nullptr;
  QPushButton* ButtonLineDelete = nullptr;
  QTableWidget* ListViewSlipLines = nullptr;
  QLineEdit* EditSlipNote = nullptr;
  QPushButton* ButtonOk = nullptr;
  QPushButton* ButtonCancel = nullptr;

  // Mode 0 purchase, 1 shipment; the partner is the one of the list's selected tab.
  void PrepareNewSlip(int mode, int32_t partnerId, const QString& partnerName);
  // A copy of the stored slip with that id.
  void PrepareEditSlip(int mode, int32_t slipId, const QString& partnerName);
  const Slip& WorkingSlip() const { return slip_; }

  // The partner's terms in force for this slip.
  int Decimals() const { return decimals_; }
  int Rounding() const { return rounding_; }
  int32_t CurrentItem() const { return currentItem_; }

 public slots:
  void FormShow();
  void EditSpeedCodeChange();
  void ListBoxItemSelectClick();
  void SsEditPriceChange(TSsEdit* sender);
  void SsEditNumEnter(TSsEdit* sender);
  void SsEditNumExit(TSsEdit* sender);
  void ListViewSlipLinesSelectItem();
  void ButtonLineAddClick();
  void ButtonLineDeleteClick();
  void ButtonLineNoteClick();
  void DateTimePickerDateChange();
  void EditSlipCodeChange();
  void EditSlipNoteChange();
  void ComboBoxSlipKindChange();

  // Closing otherwise than with OK asks before the entries are dropped.
  void done(int result) override;

 protected:
  bool FormCloseQuery() override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildLineEntry();
  void BuildLayout();
  void Connect();
  TSsEdit* AmountEdit(const QString& name, bool editable);
  void PrepareCommon(int mode, const QString& partnerName);
  void TakePartnerTerms();
  void ReloadLineNotes();
  void ShowAllProducts();
  void ResetEntry(bool disableNote);
  void SetEntryEditable(bool on);
  void ShowItem(const ItemRecord* item);
  void FillLines();
  void SelectKindItem();
  int SelectedLine() const;

  Slip slip_;
  int mode_ = 0;
  ItemList selection_;  // the products the speed code lets through
  int32_t currentItem_ = -1;
  Money factor_ = Money::FromInt(1);
  int decimals_ = 0;
  int rounding_ = 0;
  bool filling_ = false;  // the controls are being set from the slip
};
