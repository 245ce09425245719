#include <QAbstractButton>
#include <QApplication>
#include <QDateTimeEdit>
#include <QTimeEdit>

#include <functional>
#include <set>
#include <vector>

#include "form_payment_add.h"
#include "form_registry.h"
#include "form_slip_add.h"
#include "shell_fixture.h"
#include "ui_test_helpers.h"

namespace {

// Every window of the program, each mode of the windows that serve two, with its first
// field and every stop of its walk in reading order. Enter and Tab must both follow it.
struct Walk {
  FormId id;
  int tag;
  QStringList stops;  // the first field first
  std::function<void(TForm&)> prepare = {};
  // One-line entry windows, where Enter presses OK.
  bool enterIsOk = false;
};

const QStringList kPeriodStops{
    "DateTimePickerFrom", "DateTimePickerTo", "ButtonRefresh", "CheckBoxZero",
    "ListViewSalesList",  "ButtonPrint",      "ButtonOk"};
const QStringList kPartnerListStops{"EditFind",
                                    "ListViewCustomerList",
                                    "ButtonDeleteCustomer",
                                    "ButtonEditCustomer",
                                    "ButtonAddCustomer",
                                    "ButtonPrint",
                                    "ButtonOk"};
const QStringList kPaymentListStops{
    "ListViewPaymentList", "ButtonAddPayment", "ButtonEditPayment",
    "ButtonDelPayment",    "ButtonOk",         "TabControlCustomerList"};
const QStringList kSlipAddStops{"DateTimePickerDate", "EditSlipCode",      "ComboBoxSlipKind",
                                "EditSpeedCode",      "ListBoxItemSelect", "ButtonLineAdd",
                                "ListViewSlipLines",  "EditSlipNote",      "ButtonOk",
                                "ButtonCancel"};

std::vector<Walk> Walks() {
  const auto slip = [](int mode) {
    return [mode](TForm& f) {
      static_cast<TFormSlipAdd&>(f).PrepareNewSlip(mode, 1, QStringLiteral("山田商店"));
    };
  };
  const auto payment = [](int mode) {
    return [mode](TForm& f) { static_cast<TFormPaymentAdd&>(f).PrepareNewPayment(mode, 1); };
  };
  return {
      {FormId::ItemList,
       0,
       {"EditFind", "ListViewItemList", "ButtonDeleteItem", "ButtonEditItem", "ButtonAddItem",
        "ButtonPrint", "ButtonOk"}},
      {FormId::ItemAdd,
       0,
       {"EditItemCode", "EditName", "EditNameKana", "ComboBoxTanni", "SsEditPrice", "SsEditCost",
        "EditSpeedCode", "EditNote", "ComboBoxGroup1", "ComboBoxGroup2", "ComboBoxGroup3",
        "RadioGroupTax", "CheckBoxReducedTax", "ButtonOk", "ButtonCancel"}},
      {FormId::GroupList,
       0,
       {"ListBoxGroupList", "ButtonAddGroup", "ButtonEditGroup", "ButtonDeleteGroup", "ButtonOk",
        "TabControlLists"}},
      {FormId::GroupAdd, 0, {"EditName", "ButtonOk", "ButtonCancel"}, {}, true},
      {FormId::TanniList,
       0,
       {"ListBoxTanniList", "ButtonAddTanni", "ButtonEditTanni", "ButtonDeleteTanni", "ButtonOk"}},
      {FormId::TanniAdd, 0, {"EditName", "ButtonOk", "ButtonCancel"}, {}, true},
      {FormId::TaxList,
       0,
       {"ListViewTaxList", "DateTimePickerStartDay", "SsEditRateAdd", "ButtonTaxAdd",
        "SsEditRateEdit", "ButtonTaxEdit", "ButtonTaxDelete", "ListViewReducedTaxList",
        "DateTimePickerReducedStartDay", "SsEditReducedRateAdd", "ButtonReducedTaxAdd",
        "SsEditReducedRateEdit", "ButtonReducedTaxEdit", "ButtonReducedTaxDelete", "ButtonOk"}},
      {FormId::CustomerList, 0, kPartnerListStops},
      {FormId::CustomerList, 1, kPartnerListStops},
      {FormId::CustomerAdd,
       0,
       {"EditName",
        "EditPostal",
        "EditAddress1",
        "EditAddress2",
        "EditSection",
        "EditPerson",
        "EditTel",
        "EditFax",
        "EditCollectPlace",
        "DateTimePickerOpen",
        "DateTimePickerClose",
        "SsEditRate",
        "SsEditKurikoshi",
        "SsEditNyukin",
        "EditNote",
        "RadioGroupInitiative",
        "ComboBoxPeriod",
        "ComboBoxPayMonth",
        "ComboBoxPayDay",
        "RadioGroupUnderOne",
        "RadioGroupRound",
        "ButtonOk",
        "ButtonCancel"}},
      {FormId::Setting,
       0,
       {"EditCompanyName", "EditPostal", "EditAddress1", "EditAddress2", "EditTel", "EditFax",
        "EditPerson", "EditRegistrationNumber", "CheckBoxInvoice", "ComboBoxPeriod",
        "ComboBoxPayMonth", "ComboBoxPayDay", "RadioGroupUnderOne", "RadioGroupRound", "ButtonOk",
        "ButtonCancel", "PageControl1"}},
      {FormId::SlipList,
       0,
       {"EditFind", "ButtonOk", "TabControlCustomerList", "CheckBoxFocus", "DateTimePickerFrom",
        "DateTimePickerTo", "ListViewSlipList", "ListViewSlipDetail", "ButtonDelSlip",
        "ButtonEditSlip", "ButtonAddSlip"}},
      {FormId::SlipList,
       1,
       {"EditFind", "ButtonOk", "TabControlCustomerList", "CheckBoxFocus", "DateTimePickerFrom",
        "DateTimePickerTo", "ListViewSlipList", "ListViewSlipDetail", "ButtonDelSlip",
        "ButtonEditSlip", "ButtonPrintDeliver", "ButtonAddSlip", "ButtonPrint"}},
      {FormId::SlipAdd, 0, kSlipAddStops, slip(0)},
      {FormId::SlipAdd, 1, kSlipAddStops, slip(1)},
      {FormId::LineNoteList,
       0,
       {"ListBoxLineNoteList", "ButtonAddLineNote", "ButtonEditNoteList", "ButtonDeleteNoteList",
        "ButtonOk"}},
      {FormId::LineNoteAdd, 0, {"EditLineNote", "ButtonOk", "ButtonCancel"}, {}, true},
      {FormId::LogIn, 0, {"EditPassword", "ButtonOk", "ButtonCancel"}, {}, true},
      {FormId::PaymentList, 0, kPaymentListStops},
      {FormId::PaymentList, 1, kPaymentListStops},
      {FormId::PaymentAdd,
       0,
       {"DateTimePickerNyukin", "SsEditPrice", "EditNote", "ButtonOk", "ButtonCancel"},
       payment(0)},
      {FormId::PaymentAdd,
       1,
       {"DateTimePickerNyukin", "SsEditPrice", "EditNote", "ButtonOk", "ButtonCancel"},
       payment(1)},
      {FormId::ClaimList,
       0,
       {"DateTimePickerMonth", "ButtonPrintList", "ListViewClaimList", "ButtonOk"}},
      {FormId::ClaimList,
       1,
       {"DateTimePickerMonth", "ButtonPrintList", "ListViewClaimList", "ButtonPrint", "ButtonOk"}},
      {FormId::ItemSalesList, 0, kPeriodStops},
      {FormId::CustomerSalesList, 0, kPeriodStops},
      {FormId::DateSalesList, 0, kPeriodStops},
      {FormId::ClaimDetail,
       0,
       {"DateTimePickerClaimDate", "ComboBoxTitle", "EditNo", "ComboBoxNameTitle", "CheckBoxBank",
        "EditBank", "CheckBoxTantou", "CheckBoxKakunin", "ListViewClaimDetail", "ButtonPrint",
        "ButtonOk"}},
      {FormId::SetPrinter, 0, {"ComboBoxPrinter", "ButtonPreview", "ButtonPrint", "ButtonCancel"}},
      {FormId::Preview, 0, {"ComboBoxBai", "ScrollBox1"}},
      {FormId::ReturnList,
       0,
       {"DateTimePickerFrom", "DateTimePickerTo", "ButtonRefresh", "ComboBoxKind",
        "CheckBoxSubTotal", "ListViewReturnList", "ButtonPrint", "ButtonOk"}},
      {FormId::DeliveryPrint,
       0,
       {"DateTimePickerDeliverDate", "EditTitle", "EditNo", "ComboBoxNameTitle", "EditComment",
        "CheckBoxTantou", "CheckBoxKakunin", "ListViewDeliveryList", "ButtonPrint"}},
      {FormId::ReceiptPrint, 0, {"ComboBoxCustomer",  "ComboBoxNameTitle",
                                 "ComboBoxTitle",     "EditNo",
                                 "SsEditPrice",       "DateTimePickerReceiptDate",
                                 "EditTadashi",       "CheckBoxTadashi",
                                 "ComboBoxUchiwake1", "SsEditUchiwake1",
                                 "ComboBoxUchiwake2", "SsEditUchiwake2",
                                 "ComboBoxUchiwake3", "SsEditUchiwake3",
                                 "ComboBoxUchiwake4", "SsEditUchiwake4",
                                 "CheckBoxTantou",    "CheckBoxInshi",
                                 "ButtonPrint",       "ButtonOk"}},
      {FormId::Version, 0, {"ButtonOk"}},
  };
}

// The control a picker's or a list's inner widget belongs to, as the user sees it.
QString NameOf(const QWidget* widget) {
  for (const QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
    if (!w->objectName().isEmpty() && !w->objectName().startsWith(QStringLiteral("qt_"))) {
      return w->objectName();
    }
  }
  return QStringLiteral("(none)");
}

// Enter presses a button and finds in a find field, so the walk goes on from them by Tab.
bool EnterActsHere(const QWidget* focus) {
  return qobject_cast<const QAbstractButton*>(focus) != nullptr ||
         focus->objectName() == QStringLiteral("EditFind");
}

QStringList WalkOnce(int steps, bool withEnter) {
  QStringList names;
  for (int i = 0; i < steps; ++i) {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) break;
    const bool enter = withEnter && !EnterActsHere(focus);
    PressKey(focus, enter ? Qt::Key_Return : Qt::Key_Tab, Qt::NoModifier,
             enter ? QStringLiteral("\r") : QString());
    QApplication::processEvents();
    names << NameOf(QApplication::focusWidget());
  }
  return names;
}

// What a whole value typed into the picker must give, whatever its kind.
struct Typed {
  QString text;
  QDateTime expected;
};

Typed WholeValueFor(const QDateTimeEdit* picker) {
  if (qobject_cast<const QTimeEdit*>(picker) != nullptr) {
    return {QStringLiteral("09:30"), QDateTime(picker->date(), QTime(9, 30))};
  }
  if (picker->displayFormat().contains(QLatin1Char('d'))) {
    return {QStringLiteral("2025/11/05"), QDateTime(QDate(2025, 11, 5), picker->time())};
  }
  const QDate held = picker->date();
  return {QStringLiteral("2025/11"),
          QDateTime(QDate(2025, 11, std::min(held.day(), 30)), picker->time())};
}

void CheckWholeDates(TForm& form) {
  for (QDateTimeEdit* picker : form.findChildren<QDateTimeEdit*>()) {
    if (!picker->isVisible() || !picker->isEnabled()) continue;
    for (const int end : {Qt::Key_Home, Qt::Key_End}) {
      SCOPED_TRACE(picker->objectName().toStdString() + (end == Qt::Key_Home ? " Home" : " End"));
      picker->setDateTime(QDateTime(QDate(2026, 12, 20), QTime(17, 0)));
      const Typed typed = WholeValueFor(picker);
      FocusOn(picker);
      PressKey(picker, end);
      TypeText(picker, typed.text);
      PressKey(picker, Qt::Key_Tab);
      EXPECT_EQ(picker->dateTime(), typed.expected);
    }
  }
}

using WindowWalkTest = ShellTest;

TEST_F(WindowWalkTest, EveryWindowStartsOnItsFirstFieldAndEnterAndTabWalkItInReadingOrder) {
  std::set<FormId> walked;
  for (const Walk& walk : Walks()) {
    TForm* form = Forms().Get(walk.id);
    ASSERT_NE(form, nullptr);
    SCOPED_TRACE(form->objectName().toStdString() + " tag " + std::to_string(walk.tag));
    walked.insert(walk.id);
    form->Tag = walk.tag;
    if (walk.prepare) walk.prepare(*form);
    form->show();
    ShowActive(form);
    EXPECT_EQ(NameOf(QApplication::focusWidget()), walk.stops.first());

    // Around once, back to the first field.
    const QStringList expected = walk.stops.mid(1) + QStringList{walk.stops.first()};
    const auto steps = static_cast<int>(walk.stops.size());
    EXPECT_EQ(WalkOnce(steps, false).join(' '), expected.join(' ')) << "Tab";
    if (!walk.enterIsOk) {
      EXPECT_EQ(WalkOnce(steps, true).join(' '), expected.join(' ')) << "Enter";
    }
    CheckWholeDates(*form);
    form->hide();
  }
  for (int id = 0; id <= static_cast<int>(FormId::Version); ++id) {
    EXPECT_TRUE(walked.count(static_cast<FormId>(id)) == 1)
        << "window " << id << " has no walk in the table";
  }
}

// Esc leaves a list window as its 戻る does, and the version window as its 閉じる.
TEST_F(WindowWalkTest, EscLeavesListWindowsAndTheVersionWindow) {
  for (const FormId id :
       {FormId::ItemList, FormId::GroupList, FormId::TanniList, FormId::TaxList,
        FormId::CustomerList, FormId::SlipList, FormId::LineNoteList, FormId::PaymentList,
        FormId::ClaimList, FormId::ItemSalesList, FormId::CustomerSalesList, FormId::DateSalesList,
        FormId::ClaimDetail, FormId::ReturnList, FormId::Version}) {
    TForm* form = Forms().Get(id);
    SCOPED_TRACE(form->objectName().toStdString());
    form->show();
    ShowActive(form);
    PressKey(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    form->hide();
  }
}

}  // namespace
