#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "form.h"
#include "list_window_pattern.h"
#include "slip_list_report.h"
#include "slip_values.h"

class QCheckBox;
class QDateEdit;
class QPushButton;
class QSplitter;
class QTabBar;
class TFindBar;
class QTableWidget;
class QWidget;
class TFormSlipAdd;
class TSsEdit;

// The slips of one kind of business with one partner at a time, by Tag: 0 purchases per
// supplier, 1 shipments per customer, one tab per partner. The opener sets Tag and the
// caption before showing it.
class TFormSlipList : public TForm {
  Q_OBJECT

 public:
  explicit TFormSlipList(Document& doc);

  QWidget* PanelTop = nullptr;
  QPushButton* ButtonAddSlip = nullptr;
  QPushButton* ButtonPrint = nullptr;
  QPushButton* ButtonOk = nullptr;
  QTabBar* TabControlCustomerList = nullptr;
  TFindBar* FindBar = nullptr;  // finds a partner's tab
  QWidget* PanelSlipList = nullptr;
  QSplitter* Splitter1 = nullptr;
  QWidget* PanelSlipDetail = nullptr;
  QCheckBox* CheckBoxFocus = nullptr;
  QDateEdit* DateTimePickerFrom = nullptr;
  QDateEdit* DateTimePickerTo = nullptr;
  QTableWidget* ListViewSlipList = nullptr;
  TSsEdit* SsEditTotal = nullptr;
  QTableWidget* ListViewSlipDetail = nullptr;
  QPushButton* ButtonDelSlip = nullptr;
  QPushButton* ButtonEditSlip = nullptr;
  QPushButton* ButtonPrintDeliver = nullptr;

  // The rounding method of the selected partner, as the list applies it.
  int Rounding() const { return rounding_; }
  // The slip id of the row, or -1.
  int32_t SlipIdAt(int row) const;

 public slots:
  void FormShow();
  void TabControlCustomerListChange();
  void CheckBoxFocusClick();
  void DateTimePickerChange();
  void ListViewSlipListSelectItem();
  void ButtonAddSlipClick();
  void ButtonEditSlipClick();
  void ListViewSlipListDblClick();
  void ButtonDeleteSlipClick();
  void ButtonPrintClick();
  void ButtonPrintDeliverClick();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildControls();
  void BuildSlipPanel();
  void BuildDetailPanel();
  void BuildLayout();
  void Connect();
  ListActions Actions();
  void Fill();
  void ShowRows(const SlipListRows& list);
  bool AddSlip();
  bool EditSlip(int row);
  bool StoreChecked(const std::function<void()>& store, const std::function<void()>& undo);
  int RowOfSlip(int32_t slipId) const;
  // The partner of the selected tab; none when there are no partners.
  std::optional<int32_t> PartnerId() const;
  void TakeRounding();
  std::optional<SlipPeriod> Period() const;
  SlipListSnapshot PrintSnapshot(const SlipListRows& list) const;
  TFormSlipAdd* Entry() const;

  int rounding_ = 0;
  int32_t storedSlip_ = -1;  // the slip just added or edited, selected after the refill
  std::unique_ptr<ListWindowPattern> pattern_;
};
