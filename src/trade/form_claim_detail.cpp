#include "form_claim_detail.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

#include "amount_text.h"
#include "billing_period.h"
#include "computed_list_csv.h"
#include "date_convert.h"
#include "dialogs.h"
#include "document.h"
#include "file_names.h"
#include "form_controls.h"
#include "input_method.h"
#include "invoice.h"
#include "list_csv.h"
#include "list_view.h"
#include "overflow_guard.h"
#include "pickers.h"
#include "print_hand_off.h"
#include "shown_lists.h"
#include "sjis_codec.h"
#include "slip_values.h"
#include "ss_edit.h"
#include "window_style.h"

namespace {

TSsEdit* FigureField(QWidget* parent, const QString& name) {
  TSsEdit* edit = TSsEdit::Plain(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setFocusPolicy(Qt::NoFocus);
  SetImeOff(edit);
  return edit;
}

// An editable choice of wordings; what is typed must fit the printed CP932 text.
QComboBox* WordingChoice(QWidget* parent, const QString& name, const QStringList& items) {
  QComboBox* combo = EditableList(parent, name, Ime::On);
  combo->addItems(items);
  combo->setCurrentIndex(0);
  return combo;
}

QCheckBox* Option(QWidget* parent, const QString& caption, const QString& name) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

TFormClaimDetail::TFormClaimDetail(Document& doc) : TForm(doc) {
  setWindowTitle(QStringLiteral("請求書印刷"));
  // Left with "戻る" (or the close box) only.
  BuildFigures();
  BuildOptions();
  BuildLayout();
  connect(ButtonPrint, &QPushButton::clicked, this, &TFormClaimDetail::ButtonPrintClick);
  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormClaimDetail::BuildFigures() {
  SsEditZengetsu = FigureField(this, QStringLiteral("SsEditZengetsu"));
  SsEditNyukin = FigureField(this, QStringLiteral("SsEditNyukin"));
  SsEditKurikoshi = FigureField(this, QStringLiteral("SsEditKurikoshi"));
  SsEditUriage = FigureField(this, QStringLiteral("SsEditUriage"));
  SsEditTax = FigureField(this, QStringLiteral("SsEditTax"));
  SsEditKongetsu = FigureField(this, QStringLiteral("SsEditKongetsu"));
  SsEditSeikyu = FigureField(this, QStringLiteral("SsEditSeikyu"));
  LabelTaxNotes = new QLabel(this);
  LabelTaxNotes->setObjectName(QStringLiteral("LabelTaxNotes"));
  LabelTaxNotes->setTextInteractionFlags(Qt::TextSelectableByMouse);
}

// The options keep what the user chose from one invoice to the next.
void TFormClaimDetail::BuildOptions() {
  DateTimePickerClaimDate = DatePicker(this, QStringLiteral("DateTimePickerClaimDate"));
  ComboBoxTitle = WordingChoice(this, QStringLiteral("ComboBoxTitle"),
                                {QStringLiteral("請求書"), QStringLiteral("ご請求書"),
                                 QStringLiteral("御請求書"), QStringLiteral("合計請求書")});
  EditNo = TextField(this, QStringLiteral("EditNo"), Ime::Off);
  ComboBoxNameTitle = WordingChoice(
      this, QStringLiteral("ComboBoxNameTitle"),
      {QStringLiteral("御中"), QStringLiteral("様"), QStringLiteral("殿"), QStringLiteral("行")});
  CheckBoxBank = Option(this, QStringLiteral("振込口座を印刷する"), QStringLiteral("CheckBoxBank"));
  EditBank = TextField(this, QStringLiteral("EditBank"), Ime::On);
  EditBank->setText(QStringLiteral("※お支払は下記口座へお願い致します"));
  CheckBoxTantou =
      Option(this, QStringLiteral("担当印欄を印刷する"), QStringLiteral("CheckBoxTantou"));
  CheckBoxKakunin =
      Option(this, QStringLiteral("確認印欄を印刷する"), QStringLiteral("CheckBoxKakunin"));
  ListViewClaimDetail = NewListView(this, QStringLiteral("ListViewClaimDetail"),
                                    {{QStringLiteral("日付"), 60},
                                     {QStringLiteral("伝票No."), 100},
                                     {QStringLiteral("商品名"), 150},
                                     {QStringLiteral("数量"), 100, true},
                                     {QStringLiteral("単位"), 70},
                                     {QStringLiteral("単価"), 100, true},
                                     {QStringLiteral("金額"), 150, true},
                                     {QStringLiteral("備考"), 180}});
  SetCsvSource(
      ListViewClaimDetail, [this] { return ClaimDetailShownCsv(Doc(), Tag, partnerId_, month_); },
      [this] {
        return QStringList{QStringLiteral("請求明細"), FromSjis(detail_.partner.name),
                           YearMonthText(ToQDate(detail_.closingDate))};
      });
  ButtonPrint = FormButton(this, QStringLiteral("印刷"), QStringLiteral("ButtonPrint"));
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);
}

void TFormClaimDetail::BuildLayout() {
  // The figures in the order of the printed box, each under its caption.
  auto* figures = new QGridLayout;
  const std::pair<const char*, TSsEdit*> boxes[] = {
      {"前月累計", SsEditZengetsu}, {"今月入金", SsEditNyukin}, {"繰越額", SsEditKurikoshi},
      {"今月売上", SsEditUriage},   {"消費税", SsEditTax},      {"今月請求額", SsEditKongetsu},
      {"請求額", SsEditSeikyu}};
  int column = 0;
  for (const auto& [caption, field] : boxes) {
    figures->addWidget(new QLabel(QString::fromUtf8(caption), this), 0, column);
    figures->addWidget(field, 1, column++);
  }
  // Two blocks side by side, so Enter and Tab finish the left one before the right.
  auto* left = new QGridLayout;
  const std::pair<const char*, QWidget*> fields[] = {{"伝票日付", DateTimePickerClaimDate},
                                                     {"伝票タイトル", ComboBoxTitle},
                                                     {"伝票NO.", EditNo},
                                                     {"敬称", ComboBoxNameTitle}};
  int row = 0;
  for (const auto& [caption, field] : fields) {
    left->addWidget(new QLabel(QString::fromUtf8(caption), this), row, 0);
    left->addWidget(field, row++, 1);
  }
  auto* right = new QGridLayout;
  right->addWidget(CheckBoxBank, 0, 0, 1, 2);
  right->addWidget(new QLabel(QStringLiteral("振込コメント"), this), 1, 0);
  right->addWidget(EditBank, 1, 1);
  right->addWidget(CheckBoxTantou, 2, 0, 1, 2);
  right->addWidget(CheckBoxKakunin, 3, 0, 1, 2);
  right->setColumnStretch(1, 1);
  auto* options = new QHBoxLayout;
  options->addLayout(left);
  options->addLayout(right, 1);
  figures->addWidget(LabelTaxNotes, 2, 0, 1, column);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(figures);
  layout->addLayout(options);
  layout->addWidget(ListViewClaimDetail, 1);
  layout->addLayout(ControlRow({}, {ButtonPrint, ButtonOk}));
  SetResizableWindowStyle(this, {947, 567});
}

void TFormClaimDetail::SetClaim(int32_t partnerId, double month) {
  partnerId_ = partnerId;
  month_ = month;
}

void TFormClaimDetail::FormShow() {
  EditNo->clear();
  if (!ComputedWithinRange([&] { detail_ = ComputeClaimDetail(Doc(), Tag, partnerId_, month_); })) {
    // Nothing to invoice; the date still follows the partner's closing day.
    detail_ = ClaimDetail{};
    detail_.closingDate = ClosingDate(TermsOf(Doc(), Tag, partnerId_).closingDay, month_);
  }
  DateTimePickerClaimDate->setDate(ToQDate(detail_.closingDate));
  ShowRows();
  ShowFigures();
}

void TFormClaimDetail::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  FormShow();
}

// Rows and figures as the invoice prints them by default.
void TFormClaimDetail::ShowRows() {
  const InvoiceSnapshot invoice = InvoiceOf(Doc(), detail_);
  FillListView(ListViewClaimDetail, ShownTexts(ClaimDetailShown(detail_, Doc().invoice.enabled)));
  const QStringList notes = InvoiceTaxNotes(invoice);
  LabelTaxNotes->setText(notes.join(QLatin1Char('\n')));
  LabelTaxNotes->setVisible(!notes.isEmpty());
}

void TFormClaimDetail::ShowFigures() {
  const QStringList figures = InvoiceOf(Doc(), detail_).figures;
  TSsEdit* const fields[] = {SsEditZengetsu, SsEditNyukin,   SsEditKurikoshi, SsEditUriage,
                             SsEditTax,      SsEditKongetsu, SsEditSeikyu};
  for (int i = 0; i < 7; ++i) fields[i]->SetText(figures[i]);
}

void TFormClaimDetail::ButtonPrintClick() {
  if (ListViewClaimDetail->rowCount() == 0) {
    ShowMessage(QStringLiteral("印刷対象がありません。"));
    return;
  }
  PrintReport(kReportInvoice, InvoiceReport(PrintSnapshot()));
}

// The invoice prints the window as it stands: options, figures and rows as shown.
InvoiceSnapshot TFormClaimDetail::PrintSnapshot() const {
  // The rows are read-only, so they print as computed (the mark drawn by the page).
  InvoiceSnapshot s = InvoiceOf(Doc(), detail_);
  s.figures.clear();
  s.date = DateTimePickerClaimDate->date();
  s.title = ComboBoxTitle->currentText();
  s.number = EditNo->text();
  s.nameTitle = ComboBoxNameTitle->currentText();
  s.bank = CheckBoxBank->isChecked();
  s.bankComment = EditBank->text();
  s.tantou = CheckBoxTantou->isChecked();
  s.kakunin = CheckBoxKakunin->isChecked();
  for (const TSsEdit* field : {SsEditZengetsu, SsEditNyukin, SsEditKurikoshi, SsEditUriage,
                               SsEditTax, SsEditKongetsu, SsEditSeikyu}) {
    s.figures << field->Text();
  }
  return s;
}
