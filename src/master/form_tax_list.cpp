#include "form_tax_list.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "document.h"
#include "form_controls.h"
#include "tax_history_panel.h"

TFormTaxList::TFormTaxList(Document& doc, QWidget* parent) : TForm(doc, parent) {
  setObjectName(QStringLiteral("FormTaxList"));
  setWindowTitle(QStringLiteral("税率の設定"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

  const auto changed = [&doc] { doc.MarkChanged(); };
  standard_ = new TaxHistoryPanel(
      doc.taxes, {QString(), QStringLiteral("税率"), QStringLiteral("標準税率")}, changed, this);
  reduced_ = new TaxHistoryPanel(
      doc.invoice.reducedRates,
      {QStringLiteral("Reduced"), QStringLiteral("軽減税率"), QStringLiteral("軽減税率"), true},
      changed, this);
  TakeStandardControls();
  TakeReducedControls();
  ButtonOk = FormButton(this, QStringLiteral("戻る"), QStringLiteral("ButtonOk"));
  SetEscButton(ButtonOk);

  auto* panels = new QHBoxLayout;
  panels->addWidget(standard_);
  panels->addSpacing(16);
  panels->addWidget(reduced_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panels);
  layout->addWidget(ButtonOk, 0, Qt::AlignRight);
  resize(820, 508);
  setMinimumSize(820, 508);

  connect(ButtonOk, &QPushButton::clicked, this, &QDialog::accept);
}

void TFormTaxList::TakeStandardControls() {
  ListViewTaxList = standard_->Table;
  GroupBoxAdd = standard_->GroupBoxAdd;
  DateTimePickerStartDay = standard_->StartDay;
  SsEditRateAdd = standard_->RateAdd;
  ButtonTaxAdd = standard_->ButtonAdd;
  GroupBoxEdit = standard_->GroupBoxEdit;
  EditStartDayEdit = standard_->StartDayEdit;
  SsEditRateEdit = standard_->RateEdit;
  ButtonTaxEdit = standard_->ButtonEdit;
  GroupBoxDelete = standard_->GroupBoxDelete;
  ButtonTaxDelete = standard_->ButtonDelete;
}

void TFormTaxList::TakeReducedControls() {
  ListViewReducedTaxList = reduced_->Table;
  GroupBoxReducedAdd = reduced_->GroupBoxAdd;
  DateTimePickerReducedStartDay = reduced_->StartDay;
  SsEditReducedRateAdd = reduced_->RateAdd;
  ButtonReducedTaxAdd = reduced_->ButtonAdd;
  GroupBoxReducedEdit = reduced_->GroupBoxEdit;
  EditReducedStartDayEdit = reduced_->StartDayEdit;
  SsEditReducedRateEdit = reduced_->RateEdit;
  ButtonReducedTaxEdit = reduced_->ButtonEdit;
  GroupBoxReducedDelete = reduced_->GroupBoxDelete;
  ButtonReducedTaxDelete = reduced_->ButtonDelete;
}

void TFormTaxList::showEvent(QShowEvent* event) {
  TForm::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TFormTaxList::FormShow() {
  standard_->Show();
  reduced_->Show();
}

void TFormTaxList::ListViewTaxListSelectItem() {
  standard_->SelectItem();
}

void TFormTaxList::ButtonTaxAddClick() {
  standard_->AddClick();
}

void TFormTaxList::ButtonTaxEditClick() {
  standard_->EditClick();
}

void TFormTaxList::ButtonTaxDeleteClick() {
  standard_->DeleteClick();
}

void TFormTaxList::ListViewReducedTaxListSelectItem() {
  reduced_->SelectItem();
}

void TFormTaxList::ButtonReducedTaxAddClick() {
  reduced_->AddClick();
}

void TFormTaxList::ButtonReducedTaxEditClick() {
  reduced_->EditClick();
}

void TFormTaxList::ButtonReducedTaxDeleteClick() {
  reduced_->DeleteClick();
}
