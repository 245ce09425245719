#pragma once

#include <string>

#include "company.h"
#include "form.h"
#include "form_controls.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class RadioGroup;

// The company settings with the invoice registration, the file password, the backup switch
// and how many copies to keep. The main window takes the values over when the window closes
// with OK.
class TFormSetting : public TForm {
  Q_OBJECT

 public:
  explicit TFormSetting(Document& doc, QWidget* parent = nullptr);

  // The values as entered, for the main window to take over.
  CompanySettings Company() const;
  bool PasswordOn() const;
  std::string Password() const;
  bool BackupOn() const;
  // "すべて保存する" chosen: no copy is ever thinned out.
  bool BackupKeepAll() const;
  bool InvoiceOn() const;
  bool KeepIssuedOn() const;
  // CP932, without the blanks around it.
  std::string RegistrationNumber() const;

  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QWidget* TabSheet3;
  QLineEdit* EditCompanyName;
  QLineEdit* EditPostal;
  QLineEdit* EditAddress1;
  QLineEdit* EditAddress2;
  QLineEdit* EditTel;
  QLineEdit* EditFax;
  QLineEdit* EditPerson;
  QLineEdit* EditRegistrationNumber;
  QCheckBox* CheckBoxInvoice;
  QComboBox* ComboBoxPeriod;
  QComboBox* ComboBoxPayMonth;
  QComboBox* ComboBoxPayDay;
  RadioGroup* RadioGroupUnderOne;
  RadioGroup* RadioGroupRound;
  QLineEdit* EditBankName;
  QLineEdit* EditBankStore;
  QLineEdit* EditAccountKind;
  QLineEdit* EditAccountNumber;
  QLineEdit* EditAccountName;
  QCheckBox* CheckBoxPassword;
  QGroupBox* GroupBoxPassword;
  QLineEdit* EditPassword1;
  QLineEdit* EditPassword2;
  QCheckBox* CheckBoxBackUp;
  QGroupBox* GroupBoxBackUp;
  QComboBox* ComboBoxBackUpKeep;
  QPushButton* ButtonBackUp;
  QLabel* LabelBackUpSize;
  QGroupBox* GroupBoxIssued;
  QCheckBox* CheckBoxKeepIssued;
  QGroupBox* GroupBoxTax;
  QPushButton* ButtonTax;
  QWidget* PanelBottom;
  QPushButton* ButtonOk;
  QPushButton* ButtonCancel;

 public slots:
  void FormShow();
  void CheckBoxPasswordClick();
  void ButtonTaxClick();
  void ButtonBackUpClick();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildCompanyPage();
  QWidget* BuildBankPage();
  QWidget* BuildBehaviourPage();
  QLineEdit* TextEdit(const QString& name, int width, Ime ime);
  // EditPassword1KeyDown / EditPassword1KeyPress: a key typed with Ctrl held is dropped.
  bool PasswordKey(QEvent* event);
  // FormCloseQuery's checks; each refusal has told the user and put the focus on the field.
  bool RegistrationAccepted();
  bool PasswordAccepted();

  bool ctrlHeld_ = false;
};
