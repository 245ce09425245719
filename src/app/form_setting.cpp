#include "form_setting.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "config.h"
#include "dialogs.h"
#include "document.h"
#include "enter_navigation.h"
#include "form_controls.h"
#include "form_registry.h"
#include "input_method.h"
#include "radio_group.h"
#include "shell_open.h"
#include "sjis_codec.h"
#include "term_choices.h"
#include "text_bytes.h"

namespace {

// Pairs each edit with its text in the document, for filling and reading back alike.
template <typename Settings, typename Form>
auto TextFields(Settings& c, Form& f) {
  return std::array{std::pair{&c.name, f.EditCompanyName},
                    std::pair{&c.postal, f.EditPostal},
                    std::pair{&c.address1, f.EditAddress1},
                    std::pair{&c.address2, f.EditAddress2},
                    std::pair{&c.person, f.EditPerson},
                    std::pair{&c.tel, f.EditTel},
                    std::pair{&c.fax, f.EditFax},
                    std::pair{&c.bankName, f.EditBankName},
                    std::pair{&c.bankBranch, f.EditBankStore},
                    std::pair{&c.accountKind, f.EditAccountKind},
                    std::pair{&c.accountNumber, f.EditAccountNumber},
                    std::pair{&c.accountHolder, f.EditAccountName}};
}

// What the backup folder takes, every file in it counted: "使用容量：9.4 MB（12 ファイル）".
QString BackupUsageText(const QString& folder) {
  qint64 bytes = 0;
  int files = 0;
  QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    it.next();
    bytes += it.fileInfo().size();
    ++files;
  }
  constexpr qint64 kKilo = 1024;
  constexpr qint64 kMega = kKilo * kKilo;
  // Tenths, rounded; a folder with anything in it never shows as nothing.
  const auto tenths = [bytes](qint64 unit) { return (bytes * 10 + unit / 2) / unit; };
  QString size = QStringLiteral("0 KB");
  if (bytes > 0) {
    qint64 t = std::max<qint64>(tenths(kKilo), 1);
    QString unit = QStringLiteral("KB");
    if (t >= 10240) {  // 1024.0 KB is shown as 1.0 MB
      t = tenths(kMega);
      unit = QStringLiteral("MB");
    }
    size = QStringLiteral("%1.%2 %3").arg(t / 10).arg(t % 10).arg(unit);
  }
  return QStringLiteral("使用容量：%1（%2 ファイル）").arg(size).arg(files);
}

}  // namespace

TFormSetting::TFormSetting(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormSetting"));
  setWindowTitle(QStringLiteral("設定"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  TabSheet1 = BuildCompanyPage();
  TabSheet2 = BuildBankPage();
  TabSheet3 = BuildBehaviourPage();
  PageControl1->addTab(TabSheet1, QStringLiteral("自社情報"));
  PageControl1->addTab(TabSheet2, QStringLiteral("口座情報"));
  PageControl1->addTab(TabSheet3, QStringLiteral("動作設定"));

  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setFixedHeight(76);
  PanelBottom = panel;
  // Neither is the window's default or cancel button.
  ButtonOk = FormButton(panel, QStringLiteral("OK"), QStringLiteral("ButtonOk"));
  ButtonCancel = FormButton(panel, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  SetEscCancels(false);
  panel->setLayout(ControlRow({}, {ButtonOk, ButtonCancel}));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addWidget(panel);
  resize(717, 447);
  InstallEnterNavigation(this);

  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(CheckBoxPassword, &QCheckBox::toggled, this, &TFormSetting::CheckBoxPasswordClick);
  connect(ButtonTax, &QPushButton::clicked, this, &TFormSetting::ButtonTaxClick);
  connect(ButtonBackUp, &QPushButton::clicked, this, &TFormSetting::ButtonBackUpClick);
}

QLineEdit* TFormSetting::TextEdit(const QString& name, int width, Ime ime) {
  QLineEdit* edit = TextField(this, name, ime);
  edit->setFixedWidth(width);
  return edit;
}

QWidget* TFormSetting::BuildCompanyPage() {
  auto* page = new QWidget;
  EditCompanyName = TextEdit(QStringLiteral("EditCompanyName"), 257, Ime::On);
  EditPostal = TextEdit(QStringLiteral("EditPostal"), 89, Ime::Off);
  EditAddress1 = TextEdit(QStringLiteral("EditAddress1"), 257, Ime::On);
  EditAddress2 = TextEdit(QStringLiteral("EditAddress2"), 257, Ime::On);
  EditTel = TextEdit(QStringLiteral("EditTel"), 257, Ime::Off);
  EditFax = TextEdit(QStringLiteral("EditFax"), 257, Ime::Off);
  EditPerson = TextEdit(QStringLiteral("EditPerson"), 181, Ime::On);
  EditRegistrationNumber = TextEdit(QStringLiteral("EditRegistrationNumber"), 181, Ime::Off);
  CheckBoxInvoice = new QCheckBox(QStringLiteral("適格請求書（インボイス）形式で発行する"), page);
  CheckBoxInvoice->setObjectName(QStringLiteral("CheckBoxInvoice"));
  auto* left = new QFormLayout;
  left->addRow(QStringLiteral("会社名"), EditCompanyName);
  left->addRow(QStringLiteral("〒"), EditPostal);
  left->addRow(QStringLiteral("住所１"), EditAddress1);
  left->addRow(QStringLiteral("住所２"), EditAddress2);
  left->addRow(QStringLiteral("TEL"), EditTel);
  left->addRow(QStringLiteral("FAX"), EditFax);
  left->addRow(QStringLiteral("担当者名"), EditPerson);
  left->addRow(QStringLiteral("登録番号"), EditRegistrationNumber);
  left->addRow(QString(), CheckBoxInvoice);

  ComboBoxPeriod = PickList(page, QStringLiteral("ComboBoxPeriod"), DayChoices());
  ComboBoxPayMonth = PickList(page, QStringLiteral("ComboBoxPayMonth"), PayMonthChoices());
  ComboBoxPayDay = PickList(page, QStringLiteral("ComboBoxPayDay"), DayChoices());
  RadioGroupUnderOne =
      new RadioGroup(QStringLiteral("数量・単価の小数点以下の処理"), DecimalsChoices(), 1, page);
  RadioGroupRound =
      new RadioGroup(QStringLiteral("金額の端数処理方法"), RoundingChoices(), 1, page);
  RadioGroupUnderOne->setObjectName(QStringLiteral("RadioGroupUnderOne"));
  RadioGroupRound->setObjectName(QStringLiteral("RadioGroupRound"));
  auto* payLine = new QHBoxLayout;
  payLine->addWidget(ComboBoxPayMonth);
  payLine->addWidget(ComboBoxPayDay);
  auto* right = new QFormLayout;
  right->addRow(QStringLiteral("締日"), ComboBoxPeriod);
  right->addRow(QStringLiteral("支払日"), payLine);
  right->addRow(RadioGroupUnderOne);
  right->addRow(RadioGroupRound);

  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addSpacing(24);
  layout->addLayout(right);
  return page;
}

QWidget* TFormSetting::BuildBankPage() {
  auto* page = new QWidget;
  EditBankName = TextEdit(QStringLiteral("EditBankName"), 257, Ime::On);
  EditBankStore = TextEdit(QStringLiteral("EditBankStore"), 257, Ime::On);
  EditAccountKind = TextEdit(QStringLiteral("EditAccountKind"), 257, Ime::On);
  EditAccountNumber = TextEdit(QStringLiteral("EditAccountNumber"), 257, Ime::Off);
  EditAccountName = TextEdit(QStringLiteral("EditAccountName"), 257, Ime::On);
  auto* layout = new QFormLayout(page);
  layout->addRow(QStringLiteral("金融機関名"), EditBankName);
  layout->addRow(QStringLiteral("支店名"), EditBankStore);
  layout->addRow(QStringLiteral("口座種類"), EditAccountKind);
  layout->addRow(QStringLiteral("口座番号"), EditAccountNumber);
  layout->addRow(QStringLiteral("口座名義"), EditAccountName);
  return page;
}

QWidget* TFormSetting::BuildBehaviourPage() {
  auto* page = new QWidget;
  CheckBoxPassword = new QCheckBox(QStringLiteral("パスワードを設定する"), page);
  CheckBoxPassword->setObjectName(QStringLiteral("CheckBoxPassword"));
  GroupBoxPassword = new QGroupBox(page);
  EditPassword1 = TextEdit(QStringLiteral("EditPassword1"), 301, Ime::Off);
  EditPassword2 = TextEdit(QStringLiteral("EditPassword2"), 301, Ime::Off);
  for (QLineEdit* edit : {EditPassword1, EditPassword2}) {
    edit->setEchoMode(QLineEdit::Password);
    SetImeOff(edit);
    edit->setContextMenuPolicy(Qt::NoContextMenu);  // no pasting from the menu either
    edit->installEventFilter(this);
  }
  auto* passwordLayout = new QFormLayout(GroupBoxPassword);
  passwordLayout->addRow(CheckBoxPassword);
  passwordLayout->addRow(EditPassword1);
  passwordLayout->addRow(EditPassword2,
                         new QLabel(QStringLiteral("（確認入力）"), GroupBoxPassword));

  CheckBoxBackUp = new QCheckBox(QStringLiteral("ファイルバックアップ機能を使用する"), page);
  CheckBoxBackUp->setObjectName(QStringLiteral("CheckBoxBackUp"));
  GroupBoxBackUp = new QGroupBox(page);
  ComboBoxBackUpKeep = PickList(
      GroupBoxBackUp, QStringLiteral("ComboBoxBackUpKeep"),
      {QStringLiteral("自動で整理する（7日間はすべて、3か月間は1日1つ、以降は1か月に1つ）"),
       QStringLiteral("すべて保存する")});
  ButtonBackUp = FormButton(GroupBoxBackUp, QStringLiteral("バックアップファイルの確認"),
                            QStringLiteral("ButtonBackUp"));
  LabelBackUpSize = new QLabel(GroupBoxBackUp);
  LabelBackUpSize->setObjectName(QStringLiteral("LabelBackUpSize"));
  auto* folderLine = new QHBoxLayout;
  folderLine->addWidget(ButtonBackUp);
  folderLine->addSpacing(12);
  folderLine->addWidget(LabelBackUpSize);
  folderLine->addStretch();
  auto* backupLayout = new QVBoxLayout(GroupBoxBackUp);
  backupLayout->addWidget(CheckBoxBackUp);
  backupLayout->addWidget(ComboBoxBackUpKeep, 0, Qt::AlignLeft);
  backupLayout->addLayout(folderLine);

  GroupBoxIssued = new QGroupBox(QStringLiteral("発行書類"), page);
  CheckBoxKeepIssued = new QCheckBox(QStringLiteral("発行した書類を保存する"), GroupBoxIssued);
  CheckBoxKeepIssued->setObjectName(QStringLiteral("CheckBoxKeepIssued"));
  auto* issuedLayout = new QVBoxLayout(GroupBoxIssued);
  issuedLayout->addWidget(CheckBoxKeepIssued);

  GroupBoxTax = new QGroupBox(QStringLiteral("税率"), page);
  ButtonTax = FormButton(GroupBoxTax, QStringLiteral("設定する"), QStringLiteral("ButtonTax"));
  auto* taxLayout = new QVBoxLayout(GroupBoxTax);
  taxLayout->addWidget(ButtonTax, 0, Qt::AlignLeft);

  auto* layout = new QVBoxLayout(page);
  layout->addWidget(GroupBoxPassword);
  layout->addWidget(GroupBoxBackUp);
  // Side by side: both are one line, and the window keeps its height.
  auto* lastRow = new QHBoxLayout;
  lastRow->addWidget(GroupBoxIssued, 1);
  lastRow->addWidget(GroupBoxTax, 1);
  layout->addLayout(lastRow);
  layout->addStretch();
  return page;
}

void TFormSetting::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormSetting::FormShow() {
  const CompanySettings& c = Doc().company;
  for (auto [text, edit] : TextFields(c, *this)) edit->setText(FromSjis(*text));
  ComboBoxPeriod->setCurrentIndex(c.closingDay);
  ComboBoxPayMonth->setCurrentIndex(c.payMonth);
  ComboBoxPayDay->setCurrentIndex(c.payDay);
  RadioGroupUnderOne->SetItemIndex(c.decimals);
  RadioGroupRound->SetItemIndex(c.rounding);
  const QString password = Doc().usePassword ? FromSjis(Doc().password) : QString();
  CheckBoxPassword->setChecked(Doc().usePassword);
  EditPassword1->setText(password);
  EditPassword2->setText(password);
  CheckBoxPasswordClick();
  CheckBoxBackUp->setChecked(Doc().useBackup);
  ComboBoxBackUpKeep->setCurrentIndex(ReadBackupKeepAll() ? 1 : 0);
  LabelBackUpSize->setText(BackupUsageText(BackupFolder()));
  EditRegistrationNumber->setText(FromSjis(Doc().invoice.registrationNumber));
  CheckBoxInvoice->setChecked(Doc().invoice.enabled);
  CheckBoxKeepIssued->setChecked(Doc().keepIssued);
  ctrlHeld_ = false;
  PageControl1->setCurrentWidget(TabSheet1);
}

void TFormSetting::CheckBoxPasswordClick() {
  const bool on = CheckBoxPassword->isChecked();
  EditPassword1->setEnabled(on);
  EditPassword2->setEnabled(on);
}

bool TFormSetting::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == EditPassword1 || watched == EditPassword2) && PasswordKey(event)) return true;
  return TForm::eventFilter(watched, event);
}

bool TFormSetting::PasswordKey(QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    // The middle button pastes the X selection; that is pasting too.
    return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton;
  }
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  ctrlHeld_ = key->modifiers().testFlag(Qt::ControlModifier);
  // Shift+Insert pastes without Ctrl.
  if (key->matches(QKeySequence::Paste)) return true;
  // Editing keys stay; anything that would insert text while Ctrl is held does not.
  return ctrlHeld_ && !key->text().isEmpty();
}

void TFormSetting::done(int result) {
  if (result == Accepted && !(RegistrationAccepted() && PasswordAccepted())) return;
  TForm::done(result);
}

bool TFormSetting::RegistrationAccepted() {
  const std::string number = RegistrationNumber();
  QString refusal;
  if (!number.empty() && !IsRegistrationNumber(number)) {
    refusal = QStringLiteral("登録番号は「T」と13桁の数字で入力してください。");
  } else if (number.empty() && CheckBoxInvoice->isChecked()) {
    // A qualified invoice is one that carries the number.
    refusal =
        QStringLiteral("適格請求書（インボイス）形式で発行するには登録番号を入力してください。");
  }
  if (refusal.isEmpty()) return true;
  ShowMessage(refusal);
  PageControl1->setCurrentWidget(TabSheet1);
  EditRegistrationNumber->setFocus();
  return false;
}

bool TFormSetting::PasswordAccepted() {
  if (!CheckBoxPassword->isChecked()) return true;
  if (EditPassword1->text().isEmpty() || EditPassword2->text().isEmpty()) {
    ShowMessage(QStringLiteral("パスワードが入力されていません。"));
    return false;
  }
  if (EditPassword1->text() != EditPassword2->text()) {
    ShowMessage(QStringLiteral("パスワードの入力が一致していません。"));
    return false;
  }
  return true;
}

void TFormSetting::ButtonTaxClick() {
  if (TForm* taxes = Forms().Get(FormId::TaxList)) ShowModal(taxes);
}

void TFormSetting::ButtonBackUpClick() {
  const QString folder = BackupFolder();
  QDir().mkpath(folder);
  // Without a file browser the user still learns where the copies are.
  if (!OpenInShell(QUrl::fromLocalFile(folder))) {
    ShowMessage(
        QStringLiteral(
            "フォルダを開けませんでした。バックアップファイルは次のフォルダにあります。\n%1")
            .arg(QDir::toNativeSeparators(folder)));
  }
}

CompanySettings TFormSetting::Company() const {
  CompanySettings c;
  for (auto [text, edit] : TextFields(c, *this)) *text = TextBytes(edit->text());
  c.closingDay = ComboBoxPeriod->currentIndex();
  c.payMonth = ComboBoxPayMonth->currentIndex();
  c.payDay = ComboBoxPayDay->currentIndex();
  c.decimals = RadioGroupUnderOne->ItemIndex();
  c.rounding = RadioGroupRound->ItemIndex();
  return c;
}

bool TFormSetting::PasswordOn() const {
  return CheckBoxPassword->isChecked();
}

std::string TFormSetting::Password() const {
  return TextBytes(EditPassword1->text());
}

bool TFormSetting::BackupOn() const {
  return CheckBoxBackUp->isChecked();
}

bool TFormSetting::BackupKeepAll() const {
  return ComboBoxBackUpKeep->currentIndex() == 1;
}

bool TFormSetting::InvoiceOn() const {
  return CheckBoxInvoice->isChecked();
}

bool TFormSetting::KeepIssuedOn() const {
  return CheckBoxKeepIssued->isChecked();
}

std::string TFormSetting::RegistrationNumber() const {
  return TextBytes(EditRegistrationNumber->text().trimmed());
}
