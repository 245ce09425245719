#pragma once

#include <QMainWindow>
#include <functional>
#include <optional>

#include "data_file.h"
#include "document.h"
#include "file_identity.h"
#include "file_lock.h"
#include "form_registry.h"
#include "recovery_keeper.h"

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
  ~TFormMain() override;

  Document& Doc() { return doc_; }
  // The data file named on the command line, opened when the window is first shown.
  void SetCommandLineFile(const QString& path) { doc_.filePath = path; }
  bool WorkingPageShown() const;
  // Whether the document holds changes that are not in its file.
  bool HasUnsavedChanges() const;
  // Opened read-only because someone else holds the file: it cannot be saved under its
  // own name.
  bool ReadOnly() const { return readOnly_; }
  RecoveryKeeper& Recovery() { return *recovery_; }
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
  QAction* MenuItemTrend;
  QAction* MenuItemArchive;

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
  void MenuItemTrendClick();
  void MenuItemArchiveClick();
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
  // Before the document is given up (exit, open, new): with unsaved changes the question
  // to save them, else the question `partQuestion`. False when the user stays.
  bool MayDiscard(const QString& partQuestion);
  // Saves under the file's own name, or asks for one: false when nothing was saved.
  bool SaveCurrent();
  void MarkSaved();
  void DocumentChanged();
  void UpdateTitle();
  // Lets go of the document: its recovery copy and its file's lock.
  void LetGoOfDocument();
  void ShowStartPage();
  void ShowWorkingPage();
  void EnableFileActions(bool saveAs, bool save, bool settings);
  void Terminate();

  enum class OpenFrom { CommandLine, Menu };
  // Opens the file as the working document; anything but Opened leaves the document,
  // page and menus as they were. `offerRecovery` offers a recovery copy of that file.
  OpenResult OpenPath(const QString& path, OpenFrom from, bool offerRecovery = true);
  // The lock of the file about to be opened; nothing when the user cancelled.
  std::optional<DataFileLock> LockForOpen(const QString& path, bool& readOnly);
  OpenPrompts Prompts(OpenFrom from);
  // `lock` is nothing when the file was open already and keeps its lock.
  void TakeOpened(Document&& opened, const QString& path, std::optional<DataFileLock>&& lock,
                  bool readOnly);
  // Saves to `path`: the file of the document itself when `ownFile`, else a new name.
  bool SaveTo(const QString& path, bool ownFile);
  bool MayOverwriteOwnFile(const QString& path);
  // After a file was opened: its recovery copy, when newer, to restore or set aside.
  void OfferRecovery(const RecoveryCopy& copy);
  // The copy as the working document, unsaved; false when it could not be opened.
  bool Restore(const RecoveryCopy& copy);
  void OfferRecoveryAtStart();
  std::optional<RecoverySnapshot> RecoverySnapshotNow() const;
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
  uint64_t savedChanges_ = 0;  // the change count at the last open, save or new
  bool readOnly_ = false;
  DataFileLock lock_;
  FileIdentity identity_;  // the file as this program last opened or saved it
  std::string fileKey_;    // the password the file on disk is enciphered with
  RecoveryKeeper* recovery_;
};
