#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

#include "data_file.h"
#include "document.h"
#include "form_registry.h"

class ImageButton;
class QAction;
class QGroupBox;
class QMenu;
class QPushButton;
class QStackedWidget;
class TFormSetting;

// The main window: owns the one document of the run, offers New, Open, Save As, Save and
// Exit, and opens every other screen from its start page or working page.
class TFormMain : public QMainWindow {
  Q_OBJECT

 public:
  TFormMain();

  Document& Doc() { return doc_; }
  // The data file named on the command line, opened when the window is first shown.
  void SetCommandLineFile(const QString& path) { doc_.filePath = path; }
  bool WorkingPageShown() const;
  // Ends the program (after a failed start, or too many wrong passwords). Tests replace it.
  std::function<void()> OnTerminate;

  QStackedWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  ImageButton* PNGButtonNew;
  ImageButton* PNGButton1;
  QPushButton* ButtonNew;
  QPushButton* ButtonOpen;
  QGroupBox* GroupBoxBasic;
  QGroupBox* GroupBoxInput;
  QGroupBox* GroupBoxList;
  ImageButton* PNGButtonProduct;
  ImageButton* PNGButtonShiire;
  ImageButton* PNGButtonSyukka;
  ImageButton* PNGButtonSettings;
  ImageButton* PNGButtonNyuuko;
  ImageButton* PNGButtonSyukko;
  ImageButton* PNGButtonShiharai;
  ImageButton* PNGButtonNyukin;
  ImageButton* PNGButtonClaimList;
  ImageButton* PNGButtonPayList;
  ImageButton* PNGButtonReceiptPrint;
  ImageButton* PNGButtonSalesList;

  QMenu* File1;
  QAction* New1;
  QAction* N1;
  QAction* O1;
  QAction* S1;
  QAction* Save1;
  QAction* N2;
  QAction* Exit1;
  QAction* O2;
  QMenu* About1;
  QAction* W1;
  QAction* About2;
  QMenu* PopupMenuSalesList;
  QAction* MenuItemItem;
  QAction* MenuItemCustomer;
  QAction* MenuItemDate;
  QAction* N3;

 public slots:
  void FormShow();
  void New1Click();
  void O1Click();
  void S1Click();
  void Save1Click();
  void Exit1Click();
  void ButtonSettingsClick();
  void W1Click();
  void About2Click();
  void ButtonProductClick();
  void ButtonShiireClick();
  void ButtonSyukkaClick();
  void ButtonNyuukoClick();
  void ButtonSyukkoClick();
  void ButtonShiharaiClick();
  void ButtonNyukinClick();
  void ButtonClaimListClick();
  void ButtonPayListClick();
  void ButtonReceiptPrintClick();
  void ButtonSalesListClick();
  void MenuItemItemClick();
  void MenuItemCustomerClick();
  void MenuItemDateClick();
  void N3Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildStartPage();
  QWidget* BuildWorkingPage();
  QGroupBox* ButtonGroup(const QString& caption, std::initializer_list<ImageButton*> buttons);
  ImageButton* WorkButton(const char* picture, const QString& caption,
                          void (TFormMain::*handler)());

  bool FormCloseQuery();
  void ShowStartPage();
  void ShowWorkingPage();
  void EnableFileActions(bool saveAs, bool save, bool settings);
  void Terminate();

  // Resets the document and opens the file into it; nothing when the file cannot be read
  // at all (the error has been shown).
  std::optional<OpenResult> OpenFile(const QString& path);
  bool SaveTo(const QString& path);
  // Where a file dialog starts: the open file's folder, else the one last used, else home,
  // with `name` in the file-name field.
  QString DialogStart(const QString& name) const;
  void WriteBackupCopy();
  void TakeSettings(const TFormSetting& form);

  // Shows a screen modally, with its Tag and caption when given; a screen that is not
  // part of this build opens nothing.
  int OpenForm(FormId id, int tag = -1, const QString& caption = QString());
  void OpenPartnerList(int kind);
  void OpenSlipList(int kind);
  void OpenPaymentList(int kind);
  // The navigation preconditions: false after telling the user what is missing and
  // opening the list where it is registered.
  bool RequireItems();
  bool RequirePartners(int kind);

  Document doc_;
  bool shown_ = false;
  bool terminating_ = false;
};
