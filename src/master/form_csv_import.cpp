#include "form_csv_import.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "atomic_file.h"
#include "dialogs.h"
#include "document.h"
#include "file_dialog_start.h"
#include "file_error.h"
#include "form_controls.h"
#include "list_view.h"
#include "window_style.h"

namespace {

std::vector<ListColumn> PreviewColumns(const ShownList& shown) {
  std::vector<ListColumn> columns;
  for (const ShownColumn& c : shown.columns) {
    columns.push_back(
        {c.caption, c.caption == QStringLiteral("行") ? 50 : 100, c.kind == ShownKind::Amount});
  }
  return columns;
}

QString Notes(const ImportPlan& plan) {
  QStringList lines;
  const QString sep = QStringLiteral("、");
  if (!plan.ignoredColumns.isEmpty()) {
    lines << QStringLiteral("取り込まない列: ") + plan.ignoredColumns.join(sep);
  }
  if (!plan.newUnits.isEmpty()) lines << QStringLiteral("追加する単位: ") + plan.newUnits.join(sep);
  for (int p = 0; p < 3; ++p) {
    if (plan.newGroups[static_cast<size_t>(p)].isEmpty()) continue;
    lines << QStringLiteral("追加する分類%1: ").arg(p + 1) +
                 plan.newGroups[static_cast<size_t>(p)].join(sep);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

TFormCsvImport::TFormCsvImport(Document& doc, ImportTarget target, QByteArray csv, QWidget* parent)
    : TForm(doc, parent), target_(target), csv_(std::move(csv)) {
  setObjectName(QStringLiteral("FormCsvImport"));
  setWindowTitle(QStringLiteral("CSV取込"));
  BuildControls();
  SetResizableWindowStyle(this, {820, 560});
  Replan();
}

void TFormCsvImport::BuildControls() {
  LabelEncoding = new QLabel(this);
  LabelEncoding->setObjectName(QStringLiteral("LabelEncoding"));
  CheckBoxUpdate = new QCheckBox(QStringLiteral("既存を更新"), this);
  CheckBoxUpdate->setObjectName(QStringLiteral("CheckBoxUpdate"));
  LabelNotes = new QLabel(this);
  LabelNotes->setObjectName(QStringLiteral("LabelNotes"));
  ListViewRows = new QTableWidget(this);
  ListViewRows->setObjectName(QStringLiteral("ListViewRows"));
  ListViewProblems = NewListView(
      this, QStringLiteral("ListViewProblems"),
      {{QStringLiteral("行"), 50}, {QStringLiteral("列"), 110}, {QStringLiteral("内容"), 560}});
  LabelSummary = new QLabel(this);
  LabelSummary->setObjectName(QStringLiteral("LabelSummary"));
  ButtonImport = FormButton(this, QStringLiteral("取込"), QStringLiteral("ButtonImport"));
  ButtonCancel = FormButton(this, QStringLiteral("キャンセル"), QStringLiteral("ButtonCancel"));
  auto* top = new QHBoxLayout;
  top->addWidget(LabelEncoding);
  top->addStretch();
  top->addWidget(CheckBoxUpdate);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(LabelSummary, 1);
  bottom->addWidget(ButtonImport);
  bottom->addWidget(ButtonCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(LabelNotes);
  layout->addWidget(ListViewRows, 3);
  layout->addWidget(ListViewProblems, 2);
  layout->addLayout(bottom);
  connect(CheckBoxUpdate, &QCheckBox::toggled, this, &TFormCsvImport::Replan);
  connect(ButtonImport, &QPushButton::clicked, this, &QDialog::accept);
  connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormCsvImport::Replan() {
  plan_ = PlanCsvImport(Doc(), target_, csv_, CheckBoxUpdate->isChecked());
  ShowPlan();
}

void TFormCsvImport::ShowPlan() {
  LabelEncoding->setText(QStringLiteral("文字コード: ") + plan_.encoding);
  const QString notes = Notes(plan_);
  LabelNotes->setText(notes);
  LabelNotes->setVisible(!notes.isEmpty());
  const ShownList preview = ImportPreview(plan_);
  SetUpListView(ListViewRows, PreviewColumns(preview));
  FillListView(ListViewRows, ShownTexts(preview));
  std::vector<QStringList> problems;
  for (const ImportProblem& p : plan_.problems) {
    problems.push_back({p.row > 0 ? QString::number(p.row) : QString(), p.column, p.message});
  }
  FillListView(ListViewProblems, problems);
  ListViewProblems->setVisible(!problems.empty());
  LabelSummary->setText(
      plan_.Ready()
          ? QStringLiteral("%1 件を取り込みます。").arg(plan_.rows.size())
          : QStringLiteral("取り込めない行が %1 件あります。直してから読み込み直してください。")
                .arg(plan_.problems.size()));
  ButtonImport->setEnabled(plan_.Ready());
  ButtonImport->setDefault(plan_.Ready());
}

bool ImportCsvFromFile(TForm* owner, ImportTarget target) {
  const QString path =
      AskOpenFileName(owner, QStringLiteral("CSV取込"), FileDialogStart(owner->Doc().filePath, {}),
                      QStringLiteral("CSV ファイル (*.csv);;すべてのファイル (*)"));
  if (path.isEmpty()) return false;
  QByteArray csv;
  try {
    csv = QByteArray::fromStdString(ReadWholeFile(path));
  } catch (const FileError& e) {
    ShowMessage(e.Message());
    return false;
  }
  TFormCsvImport preview(owner->Doc(), target, csv, owner);
  if (ShowModal(&preview) != QDialog::Accepted || !preview.Plan().Ready()) return false;
  ApplyCsvImport(owner->Doc(), preview.Plan());
  return true;
}
