#include "form_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "app_title.h"
#include "backup_copy.h"
#include "config.h"
#include "dialogs.h"
#include "file_error.h"
#include "fonts.h"
#include "form_log_in.h"
#include "form_setting.h"
#include "image_button.h"
#include "save_request.h"
#include "shell_open.h"

namespace {

const char kHomePage[] = "https://www.tsukue.example/";

QString NeedItems() {
  return QStringLiteral("商品が登録されていません。\r\n商品を先に登録してください。");
}

QString NeedPartners(int kind) {
  return kind == kCustomerKind
             ? QStringLiteral("出荷先が登録されていません。\r\n出荷先を先に登録してください。")
             : QStringLiteral("仕入先が登録されていません。\r\n仕入先を先に登録してください。");
}

}  // namespace

TFormMain::TFormMain() {
  setObjectName(QStringLiteral("FormMain"));
  setWindowTitle(AppTitle());
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  QFont face(PGothicFace());
  face.setPixelSize(15);
  setFont(face);
  OnTerminate = [] { QTimer::singleShot(0, qApp, &QCoreApplication::quit); };

  // FormCreate: the lists exist empty; settings, backup switch and password as after a reset.
  ResetDocument(doc_);

  BuildMenus();
  PageControl1 = new QStackedWidget(this);
  PageControl1->setFocusPolicy(Qt::NoFocus);
  TabSheet1 = BuildStartPage();
  TabSheet2 = BuildWorkingPage();
  PageControl1->addWidget(TabSheet1);
  PageControl1->addWidget(TabSheet2);
  setCentralWidget(PageControl1);
  setFixedSize(557, 316 + menuBar()->sizeHint().height());
  ShowStartPage();
  EnableFileActions(false, false, false);

  recovery_ = new RecoveryKeeper([this] { return RecoverySnapshotNow(); }, this);
  doc_.changes.SetListener([this] { DocumentChanged(); });
  MarkSaved();
  SetSaveRequestHandler([this] { return SaveCurrent(); });
}

TFormMain::~TFormMain() {
  SetSaveRequestHandler({});
}

void TFormMain::BuildMenus() {
  File1 = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
  New1 = File1->addAction(QStringLiteral("新規作成(&N)"), this, &TFormMain::New1Click);
  N1 = File1->addSeparator();
  O1 = File1->addAction(QStringLiteral("開く(&O)"), this, &TFormMain::O1Click);
  O1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  S1 = File1->addAction(QStringLiteral("名前をつけて保存(&A)"), this, &TFormMain::S1Click);
  S1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));  // Save As, not Save, has Ctrl+S
  Save1 = File1->addAction(QStringLiteral("上書き保存(&S)"), this, &TFormMain::Save1Click);
  N2 = File1->addSeparator();
  Exit1 = File1->addAction(QStringLiteral("終了(&X)"), this, &TFormMain::Exit1Click);
  O2 = menuBar()->addAction(QStringLiteral("設定(&O)"), this, &TFormMain::ButtonSettingsClick);
  About1 = menuBar()->addMenu(QStringLiteral("情報(&H)"));
  W1 = About1->addAction(QStringLiteral("ホームページを開く(&W)"), this, &TFormMain::W1Click);
  About2 = About1->addAction(QStringLiteral("バージョン情報(&A)"), this, &TFormMain::About2Click);

  PopupMenuSalesList = new QMenu(this);
  MenuItemItem = PopupMenuSalesList->addAction(QStringLiteral("商品別明細(&I)"), this,
                                               &TFormMain::MenuItemItemClick);
  MenuItemCustomer = PopupMenuSalesList->addAction(QStringLiteral("出荷先別明細(&C)"), this,
                                                   &TFormMain::MenuItemCustomerClick);
  MenuItemDate = PopupMenuSalesList->addAction(QStringLiteral("日付別明細(&D)"), this,
                                               &TFormMain::MenuItemDateClick);
  N3 = PopupMenuSalesList->addAction(QStringLiteral("返品一覧明細(&R)"), this, &TFormMain::N3Click);
  MenuItemTrend = PopupMenuSalesList->addAction(QStringLiteral("月別推移(&M)"), this,
                                                &TFormMain::MenuItemTrendClick);
  PopupMenuSalesList->addSeparator();
  MenuItemArchive = PopupMenuSalesList->addAction(QStringLiteral("発行書類の検索(&S)"), this,
                                                  &TFormMain::MenuItemArchiveClick);
}

QWidget* TFormMain::BuildStartPage() {
  auto* page = new QWidget(this);
  const ImageButton::Style big{QSize(200, 200), 120, true, true};
  PNGButtonNew = new ImageButton(QStringLiteral("new"), QStringLiteral("新規作成"), big, page);
  PNGButton1 = new ImageButton(QStringLiteral("open"), QStringLiteral("ファイルを開く"), big, page);
  ButtonNew = new QPushButton(QStringLiteral("新規作成"), page);
  ButtonOpen = new QPushButton(QStringLiteral("ファイルを開く"), page);
  ButtonNew->hide();
  ButtonOpen->hide();
  for (QAbstractButton* b :
       {static_cast<QAbstractButton*>(PNGButtonNew), static_cast<QAbstractButton*>(ButtonNew)}) {
    connect(b, &QAbstractButton::clicked, this, &TFormMain::New1Click);
  }
  for (QAbstractButton* b :
       {static_cast<QAbstractButton*>(PNGButton1), static_cast<QAbstractButton*>(ButtonOpen)}) {
    connect(b, &QAbstractButton::clicked, this, &TFormMain::O1Click);
  }
  auto* layout = new QHBoxLayout(page);
  layout->addStretch();
  layout->addWidget(PNGButtonNew);
  layout->addSpacing(40);
  layout->addWidget(PNGButton1);
  layout->addStretch();
  return page;
}

ImageButton* TFormMain::WorkButton(const char* picture, const QString& caption,
                                   void (TFormMain::*handler)()) {
  const ImageButton::Style small{QSize(125, 39), 20, false, false};
  auto* button = new ImageButton(QString::fromLatin1(picture), caption, small);
  connect(button, &QAbstractButton::clicked, this, handler);
  return button;
}

QGroupBox* TFormMain::ButtonGroup(const QString& caption,
                                  std::initializer_list<ImageButton*> buttons) {
  auto* box = new QGroupBox(caption);
  QFont bold = box->font();
  bold.setBold(true);
  box->setFont(bold);
  box->setFixedSize(161, 257);
  // The caption is bold, the buttons are not: the weight is set, not inherited.
  QFont plain = font();
  plain.setBold(false);
  auto* layout = new QVBoxLayout(box);
  for (ImageButton* b : buttons) {
    b->setFont(plain);
    layout->addWidget(b, 0, Qt::AlignHCenter);
  }
  return box;
}

QWidget* TFormMain::BuildWorkingPage() {
  auto* page = new QWidget(this);
  PNGButtonProduct = WorkButton("product", QStringLiteral("商品"), &TFormMain::ButtonProductClick);
  PNGButtonShiire = WorkButton("supplier", QStringLiteral("仕入先"), &TFormMain::ButtonShiireClick);
  PNGButtonSyukka = WorkButton("customer", QStringLiteral("出荷先"), &TFormMain::ButtonSyukkaClick);
  PNGButtonSettings =
      WorkButton("settings", QStringLiteral("設定"), &TFormMain::ButtonSettingsClick);
  PNGButtonNyuuko = WorkButton("purchase", QStringLiteral("仕入"), &TFormMain::ButtonNyuukoClick);
  PNGButtonSyukko = WorkButton("shipment", QStringLiteral("出荷"), &TFormMain::ButtonSyukkoClick);
  PNGButtonShiharai =
      WorkButton("payment", QStringLiteral("支払記録"), &TFormMain::ButtonShiharaiClick);
  PNGButtonNyukin =
      WorkButton("receipt", QStringLiteral("入金記録"), &TFormMain::ButtonNyukinClick);
  PNGButtonClaimList =
      WorkButton("claim", QStringLiteral("請求書作成"), &TFormMain::ButtonClaimListClick);
  PNGButtonPayList =
      WorkButton("paylist", QStringLiteral("取引先別支払一覧"), &TFormMain::ButtonPayListClick);
  PNGButtonReceiptPrint = WorkButton("receipt_print", QStringLiteral("領収書作成"),
                                     &TFormMain::ButtonReceiptPrintClick);
  PNGButtonSalesList =
      WorkButton("sales_list", QStringLiteral("各種明細一覧"), &TFormMain::ButtonSalesListClick);
  GroupBoxBasic = ButtonGroup(QStringLiteral("基本情報"), {PNGButtonProduct, PNGButtonShiire,
                                                           PNGButtonSyukka, PNGButtonSettings});
  GroupBoxInput = ButtonGroup(QStringLiteral("入力"), {PNGButtonNyuuko, PNGButtonSyukko,
                                                       PNGButtonShiharai, PNGButtonNyukin});
  GroupBoxList = ButtonGroup(
      QStringLiteral("集計・印刷"),
      {PNGButtonClaimList, PNGButtonPayList, PNGButtonReceiptPrint, PNGButtonSalesList});
  auto* layout = new QHBoxLayout(page);
  layout->addStretch();
  for (QGroupBox* box : {GroupBoxBasic, GroupBoxInput, GroupBoxList}) {
    box->setParent(page);
    layout->addWidget(box);
  }
  layout->addStretch();
  return page;
}

bool TFormMain::WorkingPageShown() const {
  return PageControl1->currentWidget() == TabSheet2;
}

void TFormMain::ShowStartPage() {
  PageControl1->setCurrentWidget(TabSheet1);
}

void TFormMain::ShowWorkingPage() {
  PageControl1->setCurrentWidget(TabSheet2);
}

void TFormMain::EnableFileActions(bool saveAs, bool save, bool settings) {
  S1->setEnabled(saveAs);
  Save1->setEnabled(save);
  O2->setEnabled(settings);
}

void TFormMain::Terminate() {
  terminating_ = true;
  hide();
  OnTerminate();
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_ || event->spontaneous()) return;
  shown_ = true;
  FormShow();
}

void TFormMain::W1Click() {
  if (AskYesNo(QStringLiteral("株式会社ツクエ のホームページを開きます。\r\nよろしいですか？"),
               DefaultAnswer::Yes)) {
    // Without a browser the user still learns the address.
    if (!OpenInShell(QUrl(QString::fromLatin1(kHomePage)))) {
      ShowMessage(
          QStringLiteral("ホームページを開けませんでした。次のアドレスを開いてください。\n") +
          QString::fromLatin1(kHomePage));
    }
  }
}

void TFormMain::About2Click() {
  OpenForm(FormId::Version);
}

int TFormMain::OpenForm(FormId id, int tag, const QString& caption) {
  TForm* form = Forms().Get(id);
  if (form == nullptr) return QDialog::Rejected;
  if (tag >= 0) form->Tag = tag;
  if (!caption.isEmpty()) form->setWindowTitle(caption);
  return ShowModal(form);
}

void TFormMain::OpenPartnerList(int kind) {
  OpenForm(FormId::CustomerList, kind,
           kind == kCustomerKind ? QStringLiteral("出荷先リスト") : QStringLiteral("仕入先リスト"));
}

void TFormMain::OpenSlipList(int kind) {
  // Delivery notes exist for shipments only.
  if (TForm* form = Forms().Get(FormId::SlipList)) {
    if (auto* deliver = form->findChild<QWidget*>(QStringLiteral("ButtonPrintDeliver"))) {
      deliver->setVisible(kind == kCustomerKind);
    }
  }
  OpenForm(
      FormId::SlipList, kind,
      kind == kCustomerKind ? QStringLiteral("出荷伝票リスト") : QStringLiteral("仕入伝票リスト"));
}

void TFormMain::OpenPaymentList(int kind) {
  OpenForm(FormId::PaymentList, kind,
           kind == kCustomerKind ? QStringLiteral("入金リスト") : QStringLiteral("支払リスト"));
}

bool TFormMain::RequireItems() {
  if (doc_.items.Count() > 0) return true;
  ShowMessage(NeedItems());
  ButtonProductClick();
  return false;
}

bool TFormMain::RequirePartners(int kind) {
  if (doc_.Partners(kind).Count() > 0) return true;
  ShowMessage(NeedPartners(kind));
  OpenPartnerList(kind);
  return false;
}

void TFormMain::ButtonProductClick() {
  OpenForm(FormId::ItemList);
}

void TFormMain::ButtonShiireClick() {
  OpenPartnerList(kSupplierKind);
}

void TFormMain::ButtonSyukkaClick() {
  OpenPartnerList(kCustomerKind);
}

void TFormMain::ButtonNyuukoClick() {
  if (RequireItems() && RequirePartners(kSupplierKind)) OpenSlipList(kSupplierKind);
}

void TFormMain::ButtonSyukkoClick() {
  if (RequireItems() && RequirePartners(kCustomerKind)) OpenSlipList(kCustomerKind);
}

void TFormMain::ButtonShiharaiClick() {
  if (RequirePartners(kSupplierKind)) OpenPaymentList(kSupplierKind);
}

void TFormMain::ButtonNyukinClick() {
  if (RequirePartners(kCustomerKind)) OpenPaymentList(kCustomerKind);
}

void TFormMain::ButtonClaimListClick() {
  OpenForm(FormId::ClaimList, 1);
}

void TFormMain::ButtonPayListClick() {
  OpenForm(FormId::ClaimList, 0);
}

void TFormMain::ButtonReceiptPrintClick() {
  OpenForm(FormId::ReceiptPrint, 1);
}

void TFormMain::ButtonSalesListClick() {
  PopupMenuSalesList->popup(QCursor::pos());
}

void TFormMain::MenuItemItemClick() {
  OpenForm(FormId::ItemSalesList);
}

void TFormMain::MenuItemCustomerClick() {
  OpenForm(FormId::CustomerSalesList);
}

void TFormMain::MenuItemDateClick() {
  OpenForm(FormId::DateSalesList);
}

void TFormMain::MenuItemTrendClick() {
  OpenForm(FormId::MonthlyTrend);
}

void TFormMain::MenuItemArchiveClick() {
  OpenForm(FormId::ArchiveSearch);
}

void TFormMain::N3Click() {
  OpenForm(FormId::ReturnList);
}
